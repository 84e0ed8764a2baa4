#pragma once

#include <QMap>
#include <QString>

struct sqlite3;

// The two halves of every copy of a work area: taking it as one consistent
// snapshot through SQLite's backup API, and checking what was written.
namespace tesorin::backups {

// Rows of each table, by table name.
using RowCounts = QMap<QString, qint64>;

// Counts the rows of every table of db. Returns the SQLite result code.
int countRows(sqlite3* db, RowCounts& counts);

// Empty when the file at path passes SQLite's integrity check and holds the
// expected rows in each table; otherwise why not, in Spanish.
QString checkCopy(const QString& path, const RowCounts& expected);

// Removes a file and the journal SQLite may have left beside it.
void removeDatabaseFile(const QString& path);

} // namespace tesorin::backups
