#pragma once

#include "exchange/core/AmountReading.h"
#include "exchange/core/CsvTable.h"
#include "exchange/core/DateReading.h"
#include "exchange/core/ImportRow.h"

#include <QList>
#include <QString>

namespace tesorin::exchange {

// How the amount of a row is written.
enum class AmountMode {
    Signed,            // one column, negative for payments
    IncomeExpense,     // one column for incomes and another for payments
    AmountDebitCredit, // one column of amounts and one saying debit or credit
};

// Which column (counted from 0) plays which role, and how the texts read.
struct ColumnMapping {
    int date = -1;
    QList<int> detail; // joined with " - " in this order
    AmountMode mode = AmountMode::Signed;
    int amount = -1;      // Signed and AmountDebitCredit
    int income = -1;      // IncomeExpense
    int expense = -1;     // IncomeExpense
    int debitCredit = -1; // AmountDebitCredit
    int account = -1;     // optional
    int medium = -1;      // optional: the movement's medium
    DecimalMark decimal = DecimalMark::Comma;
    DateOrder dateOrder = DateOrder::DayMonthYear;

    // Spanish reason why the mapping cannot be applied; empty when it can.
    QString problem(int fieldCount) const;
    // A compact text for the per-user settings, and back.
    QString toText() const;
    static std::optional<ColumnMapping> fromText(const QString& text);
};

// Roles guessed from the header's names ("Fecha", "Concepto", "Importe",
// "Débito", "Crédito", "Cuenta"...) or, without a header, from what the
// columns hold; decimal mark and date order from the values.
ColumnMapping guessMapping(const CsvTable& table);

// The rows of the table as the mapping reads them; a row that does not read
// carries its reason.
QVector<ImportRow> applyMapping(const CsvTable& table, const ColumnMapping& mapping);

} // namespace tesorin::exchange
