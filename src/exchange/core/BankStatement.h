#pragma once

#include "base/Money.h"

#include <QDate>
#include <QString>
#include <QVector>

#include <optional>

namespace tesorin::exchange {

// One account's statement as a bank file gives it: the period it covers, its
// balances and which of the file's rows it brought. Kept in the work area's
// "Extractos" when the rows are imported.
struct BankStatement {
    QString bankAccount; // as the bank names it: "2100-0001-0123456789", an OFX ACCTID
    QString holder;
    QString currency;
    QDate from;
    QDate to;
    std::optional<Money> opening; // an OFX statement gives only its closing balance
    std::optional<Money> closing;
    int firstRow = 0; // the statement's rows are [firstRow, firstRow + rowCount) of the read rows
    int rowCount = 0;
    QString account; // the Tesorin account its rows go to; empty: the import's account
};

using BankStatements = QVector<BankStatement>;

} // namespace tesorin::exchange
