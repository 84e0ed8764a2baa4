#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// The texts of the annual and the monthly chart: the account condition, the
// queries, the account caption (Label6) and the message when a period has no
// movements. Account names go between apostrophes with theirs doubled.
namespace tesorin::reports {

// The pseudo-entry of the monthly chart's account list that stands for all
// accounts.
inline const QString kTodasLasCuentas = QStringLiteral("<TODAS LAS CUENTAS>");

// The annual chart's account condition for the names selected in its list:
// " Cuenta = 'A' or  Cuenta = 'B'", or "True" when none is selected.
QString annualCondition(const QStringList& selectedNames);
// Label6 of the annual chart: every name followed by ", ", or "Todas".
QString annualCaption(const QStringList& selectedNames);
// "select * from Movimientos where (C) and year(fecha) = Y", with C "True"
// when the stored condition is empty.
QString annualQuery(const QString& condition, const QString& yearText);

// Label6 of the monthly chart: "Todas las cuentas" for the pseudo-entry,
// otherwise the account text itself.
QString monthlyCaption(const QString& accountText);
// "select * from Movimientos where (cuenta = 'A' or '<TODAS LAS CUENTAS>' =
// 'A') and year(fecha) = Y and month(fecha) = M" for the month of date.
QString monthlyQuery(const QString& accountText, const QDate& date);
// The monthly chart's title: "Informe correspondiente al mes marzo, 2024".
QString monthlyTitle(const QDate& date);
// The annual chart's title: "Informe correspondiente al año 2024".
QString annualTitle(const QString& yearText);

// "No se encontraron movimientos de la cuenta A en el período P".
QString noMovementsMessage(const QString& accountText, const QString& period);

} // namespace tesorin::reports
