#include "oldworkareas/core/ConversionReport.h"

#include "base/Regional.h"

#include <QLocale>
#include <QRegularExpression>

namespace tesorin::oldworkareas {

namespace {

QString countText(qint64 count) {
    return regional::locale().toString(qlonglong(count));
}

// An exact sum in the regional form, with every decimal it has (at least
// two): "$ 900.000.000.099,9998". Sums may exceed what Money holds.
QString amountText(QString plain) {
    const bool negative = plain.startsWith(u'-');
    if (negative)
        plain.remove(0, 1);
    if (!plain.contains(u'.'))
        plain += QStringLiteral(".00");
    else if (plain.section(u'.', 1).size() < 2)
        plain += u'0';
    return QStringLiteral("%1%2 %3").arg(negative ? QStringLiteral("-") : QString(),
                                         regional::locale().currencySymbol(),
                                         regionalDecimal(plain));
}

} // namespace

QString regionalDecimal(const QString& plain) {
    static const QRegularExpression decimal(QStringLiteral("^(-?)(\\d+)(?:\\.(\\d+))?$"));
    const QRegularExpressionMatch parts = decimal.match(plain);
    if (!parts.hasMatch())
        return plain;
    const QLocale loc = regional::locale();
    bool fits = false;
    const qlonglong whole = parts.captured(2).toLongLong(&fits);
    QString text = parts.captured(1) + (fits ? loc.toString(whole) : parts.captured(2));
    if (parts.hasCaptured(3))
        text += loc.decimalPoint() + parts.captured(3);
    return text;
}

QString reportText(const ConversionReport& report) {
    QStringList lines;
    lines << QStringLiteral("La caja %1 se convirtió para usarla en Tesorin.").arg(report.fileName)
          << QStringLiteral("El archivo original se guardó sin cambios como %1.")
                 .arg(report.originalKeptAs)
          << QString() << QStringLiteral("Filas conservadas:");
    for (const TableRows& table : report.rows)
        lines << QStringLiteral("  %1: %2").arg(table.table, countText(table.rows));
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
            lines << QStringLiteral("  - y %1 avisos más del mismo tipo.")
                         .arg(countText(report.notesLeftOut));
    }
    return lines.join(u'\n');
}

} // namespace tesorin::oldworkareas
