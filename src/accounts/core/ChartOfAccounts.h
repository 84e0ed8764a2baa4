#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace tesorin::store {
class Database;
class Recordset;
} // namespace tesorin::store

// The chart of accounts: the rows of Cuentas, known everywhere by name.
// Names compare as the store compares its key, without regard to letter case.
// Each lookup goes through the shared account cursor (the program's
// recCuentas), opened on Cuentas for the operation and closed before it
// returns. Store failures throw store::StoreError; a failed write leaves the
// chart as it was.
namespace tesorin::accounts {

// Every account name, in the order the chart lists them: alphabetical as the
// regional settings sort, without regard to letter case, whatever the order
// in which the accounts were created.
QStringList accountNamesInListOrder(store::Database& db);

enum class ChartOutcome { Done, NameTaken, NotFound };

// Adds an account with the type code; NameTaken, storing nothing, when an
// account of that name exists.
ChartOutcome createAccount(store::Database& db, std::unique_ptr<store::Recordset>& recCuentas,
                           const QString& name, const QString& code);

// The stored type code of the account, which may be any text; empty
// optional when there is no such account.
std::optional<QString> accountType(store::Database& db,
                                   std::unique_ptr<store::Recordset>& recCuentas,
                                   const QString& name);

// Gives the account another name and type code. Only its row changes: the
// movements and scheduled movements that name it keep the old name.
// NotFound when the account is gone; NameTaken, changing nothing, when
// another account already has the new name (a change of letter case only is
// the same account).
ChartOutcome changeAccount(store::Database& db, std::unique_ptr<store::Recordset>& recCuentas,
                           const QString& name, const QString& newName, const QString& code);

// Removes the account's row only; its movements keep naming it.
ChartOutcome deleteAccount(store::Database& db, std::unique_ptr<store::Recordset>& recCuentas,
                           const QString& name);

} // namespace tesorin::accounts
