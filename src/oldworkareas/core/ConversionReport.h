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

// The report as the user reads it, in Spanish; the sums in the regional
// form with every decimal they have.
QString reportText(const ConversionReport& report);

} // namespace tesorin::oldworkareas
