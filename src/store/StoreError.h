#pragma once

#include "base/UserError.h"

namespace tesorin::store {

// A failure of the store, carrying a Spanish message ready to show the user.
class StoreError : public UserError {
public:
    // code: the store's primary result code when it reported the failure.
    explicit StoreError(QString message, int code = 0)
        : UserError(std::move(message)), m_code(code) {}
    int code() const { return m_code; }

private:
    int m_code;
};

} // namespace tesorin::store
