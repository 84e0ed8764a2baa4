#pragma once

#include "oldworkareas/core/ConversionProgress.h"
#include "oldworkareas/core/ConversionReport.h"
#include "oldworkareas/core/OldFile.h"

struct sqlite3;

// Copies the four tables of an old work area into a new, empty work-area
// file, value by value.
namespace tesorin::oldworkareas {

// Sums of many amounts may exceed what 64 bits hold.
__extension__ typedef __int128 WideUnits;
__extension__ typedef unsigned __int128 UnsignedWideUnits;

// What the copy read, to check the new file against.
struct CopyTotals {
    QList<TableRows> rows;
    WideUnits incomeUnits = 0; // sums of Ingreso and Egreso in ten-thousandths
    WideUnits expenseUnits = 0;
};

class TableCopy {
public:
    TableCopy(OldFile& old, sqlite3* db, const QString& displayName, ProgressCallback progress);

    // Copies the tables in one transaction. Throws StoreError naming the
    // table, the row and the value of an amount the new store cannot keep;
    // ConversionCancelled when the progress callback cancels.
    CopyTotals copyAll(const QStringList& oldTables);

    const QStringList& notes() const { return m_notes; }
    qint64 notesLeftOut() const { return m_notesLeftOut; }

private:
    void copyTable(const QString& newTable, const QString& oldTable, CopyTotals& totals);
    void note(const QString& text);
    void exec(const char* sql);

    OldFile& m_old;
    sqlite3* m_db;
    QString m_displayName;
    ProgressCallback m_progress;
    qint64 m_done = 0;
    qint64 m_total = 0;
    QStringList m_notes;
    qint64 m_notesLeftOut = 0;
};

} // namespace tesorin::oldworkareas
