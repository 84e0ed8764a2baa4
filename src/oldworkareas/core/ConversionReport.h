#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What a conversion of an old work area kept, and what it did not keep or
// changed.
namespace tesorin::oldworkareas {

struct TableRows {
    QString table;
    qint64 rows = 0;
};

struct ConversionReport {
    QString fileName;       // "VIEJA.MDB"
    QString originalKeptAs; // "anteriores/VIEJA.MDB"
    QList<TableRows> rows;  // the four tables, in the order converted
    QString incomeTotal;    // exact sums of Ingreso and Egreso, as plain decimal texts
    QString expenseTotal;
    QStringList notes;       // one line per thing not kept or changed
    qint64 notesLeftOut = 0; // further notes beyond those listed
};

// A plain decimal text ("-922337203685477.5807") in the regional form
// ("-922.337.203.685.477,5807"), with every decimal it has; any other text is
// returned as it is.
QString regionalDecimal(const QString& plain);

// The report as the user reads it, in Spanish; the sums in the regional
// form with every decimal they have, and so the counts.
QString reportText(const ConversionReport& report);

} // namespace tesorin::oldworkareas
