#pragma once

#include "base/UserError.h"

namespace tesorin::reports {

// A statement that cannot be made: a selection formula that does not parse,
// a layout file with a mistake, amounts beyond what a total can hold. The
// message is Spanish and ready to show.
class ReportError : public UserError {
public:
    using UserError::UserError;
};

} // namespace tesorin::reports
