#pragma once

#include <QString>

namespace tesorin::store {
class DataControl;
}

// Where the current row of the main view goes after a movement was changed
// or deleted and the view was run again.
namespace tesorin::movements {

// The row at position becomes current, or the last row when the view is now
// shorter; nothing when the view is empty.
void showRowAt(store::DataControl& data, long position);

// The movement with that identifier becomes current when the view lists it;
// otherwise as showRowAt.
void showMovement(store::DataControl& data, const QString& idText, long position);

} // namespace tesorin::movements
