#include "reports/core/ChartQueries.h"

#include "base/Regional.h"
#include "store/Quote.h"

namespace tesorin::reports {

QString annualCondition(const QStringList& selectedNames) {
    if (selectedNames.isEmpty())
        return QStringLiteral("True");
    QString condition;
    for (const QString& name : selectedNames)
        condition += QStringLiteral(" Cuenta = '") + store::doubledApostrophes(name) +
                     QStringLiteral("' or ");
    condition.chop(4);
    return condition;
}

QString annualCaption(const QStringList& selectedNames) {
    if (selectedNames.isEmpty())
        return QStringLiteral("Todas");
    QString caption;
    for (const QString& name : selectedNames)
        caption += name + QStringLiteral(", ");
    return caption;
}

QString annualQuery(const QString& condition, const QString& yearText) {
    const QString c = condition.isEmpty() ? QStringLiteral("True") : condition;
    return QStringLiteral("select * from Movimientos where (") + c +
           QStringLiteral(") and year(fecha) = ") + yearText;
}

QString monthlyCaption(const QString& accountText) {
    return accountText == kTodasLasCuentas ? QStringLiteral("Todas las cuentas") : accountText;
}

QString monthlyQuery(const QString& accountText, const QDate& date) {
    const QString a = store::doubledApostrophes(accountText);
    return QStringLiteral("select * from Movimientos where (cuenta = '") + a +
           QStringLiteral("' or '") + kTodasLasCuentas + QStringLiteral("' = '") + a +
           QStringLiteral("') and year(fecha) = ") + QString::number(date.year()) +
           QStringLiteral(" and month(fecha) = ") + QString::number(date.month());
}

QString monthlyTitle(const QDate& date) {
    return QStringLiteral("Informe correspondiente al mes ") + regional::monthYearTitle(date);
}

QString annualTitle(const QString& yearText) {
    return QStringLiteral("Informe correspondiente al año ") + yearText;
}

QString noMovementsMessage(const QString& accountText, const QString& period) {
    return QStringLiteral("No se encontraron movimientos de la cuenta ") + accountText +
           QStringLiteral(" en el período ") + period;
}

} // namespace tesorin::reports
