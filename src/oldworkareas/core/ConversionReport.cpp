#include "oldworkareas/core/ConversionReport.h"

#include "app/Money.h"
#include "app/Regional.h"

namespace tesorin::oldworkareas {

namespace {

// A sum too large for the currency form stays a plain decimal text.
QString amountText(const QString& plain) {
    const std::optional<Money> amount = Money::fromPlainText(plain);
    return amount ? regional::currency(*amount) : plain;
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
