#pragma once

#include "exchange/core/BankStatement.h"
#include "exchange/core/ImportPlan.h"

#include <QString>
#include <QStringList>

namespace tesorin::exchange {

// Which Tesorin account each bank account of a statement file goes to, kept
// in the per-user settings (organisation and application "Tesorin", group
// "CuentasExtracto", keyed by the bank's account: bank, office and number),
// so the next statement of that account goes where the last one went.
QString recallStatementAccount(const QString& bankAccount);
void rememberStatementAccount(const QString& bankAccount, const QString& account);

// Gives every statement the account remembered for it, when that account is
// still in the chart; returns the bank accounts left without one.
QStringList assignRememberedAccounts(BankStatements& statements, const QStringList& chart);

// The accounts of an import without a window: a file of one account goes to
// target.account, or where it went last time when none is given; a file of
// several goes where each went last time. Returns why the file cannot be
// imported (a bank account never mapped), empty when it can; remembers the
// account a file of one account goes to. Throws store::StoreError.
QString chooseStatementAccounts(store::Database& db, ImportTarget& target);

} // namespace tesorin::exchange
