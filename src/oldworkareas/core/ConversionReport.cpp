#include "oldworkareas/core/ConversionReport.h"

#include "base/Regional.h"

#include <QLocale>

namespace tesorin::oldworkareas {

namespace {

// An exact sum in the regional form, with every decimal it has (at least
// two): "$ 900.000.000.099,9998". Sums may exceed what Money holds.
QString amountText(const QString& plain) {
    const QLocale loc = regional::locale();
    const bool negative = plain.startsWith(u'-');
    const QString digits = negative ? plain.mid(1) : plain;
    const QString whole = digits.section(u'.', 0, 0);
    QString fraction = digits.section(u'.', 1);
    while (fraction.size() < 2)
        fraction += u'0';
    bool fits = false;
    const qlonglong number = whole.toLongLong(&fits);
    return QStringLiteral("%1%2 %3%4%5")
        .arg(negative ? QStringLiteral("-") : QString(), loc.currencySymbol(),
             fits ? loc.toString(number) : whole, loc.decimalPoint(), fraction);
}

} // namespace

QString reportText(const ConversionReport& report) {
    QStringList lines;
    lines << QStringLiteral("La caja %1 se convirtió para usarla en Tesorin.").arg(report.fileName)
          << QStringLiteral("El archivo original se guardó sin cambios como %1.")
                 .arg(report.originalKeptAs)
          << QString() << QStringLiteral("Filas conservadas:");
    for (const TableRows& table : report.rows)
        lines << QStringLiteral("  %1: %2").arg(table.table).arg(table.rows);
    lines << QString()
          << QStringLiteral("Total de ingresos: %1").arg(amountText(report.incomeTotal))
          << QStringLiteral("Total de egresos: %1").arg(amountText(report.expenseTotal))
          << QString();
    if (report.notes.isEmpty()) {
        lines << QStringLiteral("Se conservó todo, sin cambios.");
    } else {
        lines << QStringLiteral("Lo que no se conservó o cambió:");
        for (const QString& note : report.notes)
            lines << QStringLiteral("  - ") + note;
        if (report.notesLeftOut > 0)
            lines << QStringLiteral("  - y %1 avisos más del mismo tipo.").arg(report.notesLeftOut);
    }
    return lines.join(u'\n');
}

} // namespace tesorin::oldworkareas
