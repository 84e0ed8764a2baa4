#pragma once

#include <QStringList>

namespace tesorin::store {
class Database;
}

namespace tesorin::reports {

// The names of the accounts in the order the table Cuentas returns them, as
// the charts' account lists take them. Throws StoreError.
QStringList accountNamesInTableOrder(store::Database& db);

} // namespace tesorin::reports
