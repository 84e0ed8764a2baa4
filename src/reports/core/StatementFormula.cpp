#include "reports/core/StatementFormula.h"

#include "store/Quote.h"

namespace tesorin::reports {

namespace {
// Date(year,month,day) with plain digits, whatever the regional date form.
QString dateCall(const QDate& day) {
    return QStringLiteral("Date(%1,%2,%3)").arg(day.year()).arg(day.month()).arg(day.day());
}
} // namespace

QString statementFormula(const QString& currentEntry, bool allDates, const QDate& firstDay,
                         const QDate& lastDay) {
    const QString accountTerm = currentEntry == kAllAccountsEntry
                                    ? QStringLiteral(" <> ''")
                                    : QStringLiteral(" = ") + store::quoted(currentEntry);
    const QString dateTerm = allDates ? QString()
                                      : QStringLiteral(" and {Movimientos.fecha} >= ") +
                                            dateCall(firstDay) +
                                            QStringLiteral(" and {Movimientos.Fecha} <= ") +
                                            dateCall(lastDay) + QLatin1Char(' ');
    return QStringLiteral("{Movimientos.Cuenta} ") + accountTerm + dateTerm;
}

} // namespace tesorin::reports
