#include "exchange/core/ExchangeMessages.h"

#include "base/Regional.h"

namespace tesorin::exchange {

namespace {

QString number(qsizetype count) {
    return regional::locale().toString(qlonglong(count));
}

// The verb for one thing or for many (none counts as many in Spanish).
QString verb(qsizetype count, const char* one, const char* many) {
    return QString::fromUtf8(count == 1 ? one : many);
}

} // namespace

QString countOf(qsizetype count, const QString& singular, const QString& plural) {
    return number(count) + u' ' + (count == 1 ? singular : plural);
}

QString importDoneText(const ImportOutcome& outcome, const QString& workArea) {
    return QStringLiteral("%1 %2 en «%3»; %4 %5.")
        .arg(verb(outcome.stored, "Se guardó", "Se guardaron"),
             countOf(outcome.stored, QStringLiteral("movimiento"), QStringLiteral("movimientos")),
             workArea, verb(outcome.skipped, "se omitió", "se omitieron"),
             countOf(outcome.skipped, QStringLiteral("posible duplicado"),
                     QStringLiteral("posibles duplicados")));
}

QString exportDoneText(qsizetype written, const QString& fileName) {
    return QStringLiteral("%1 %2 a «%3».")
        .arg(verb(written, "Se exportó", "Se exportaron"),
             countOf(written, QStringLiteral("movimiento"), QStringLiteral("movimientos")),
             fileName);
}

QString unreadableRowsText(qsizetype count) {
    return countOf(count, QStringLiteral("fila"), QStringLiteral("filas")) + u' ' +
           verb(count, "no se puede leer", "no se pueden leer");
}

QString importSummaryText(qsizetype rows, qsizetype ticked, qsizetype duplicates,
                          qsizetype unreadable) {
    return QStringLiteral("%1: %2 %3, %4, %5 %6.")
        .arg(countOf(rows, QStringLiteral("fila"), QStringLiteral("filas")), number(ticked),
             verb(ticked, "se importará", "se importarán"),
             countOf(duplicates, QStringLiteral("posible duplicado"),
                     QStringLiteral("posibles duplicados")),
             number(unreadable), verb(unreadable, "no se puede leer", "no se pueden leer"));
}

} // namespace tesorin::exchange
