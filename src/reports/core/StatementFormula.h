#pragma once

#include <QDate>
#include <QString>

namespace tesorin::reports {

// The account list's first entry, standing for every account.
inline const QString kAllAccountsEntry = QStringLiteral("<MOSTRAR TODAS LAS CUENTAS>");

// The statement's selection formula for the account list's current entry
// (an account name or kAllAccountsEntry) and the date range of the two
// calendars, or no date limit when allDates is set:
//   {Movimientos.Cuenta}  = 'Banco' and {Movimientos.fecha} >= Date(2004,5,1) and
//   {Movimientos.Fecha} <= Date(2004,5,31)
// (one line, one blank at the end). An apostrophe in the name is doubled, so
// the formula still names exactly that account.
QString statementFormula(const QString& currentEntry, bool allDates, const QDate& firstDay,
                         const QDate& lastDay);

} // namespace tesorin::reports
