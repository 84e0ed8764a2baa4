#pragma once

#include <QCursor>
#include <QGuiApplication>

namespace tesorin::ui {

// The wait cursor while a long step runs; the previous cursor comes back
// however the step ends.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace tesorin::ui
