#pragma once

#include <QtGlobal>

#include <exception>
#include <functional>

namespace tesorin::oldworkareas {

// Called as rows are read: rows done of the total; returning false cancels.
using ProgressCallback = std::function<bool(qint64 done, qint64 total)>;

// The user cancelled; nothing was changed.
class ConversionCancelled : public std::exception {
public:
    const char* what() const noexcept override { return "conversion cancelled"; }
};

} // namespace tesorin::oldworkareas
