#pragma once

#include "base/UserError.h"

namespace tesorin::exchange {

// A file that cannot be imported or written, with a Spanish message ready to
// show the user (naming the line where one applies).
class ExchangeError : public UserError {
public:
    using UserError::UserError;
};

} // namespace tesorin::exchange
