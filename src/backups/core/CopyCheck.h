#pragma once

#include "store/PageCopy.h"

#include <QMap>
#include <QString>

namespace tesorin::store {
class Database;
}

// The two halves of every copy of a work area: taking it as one consistent
// snapshot through SQLite's backup API, and checking what was written.
namespace tesorin::backups {

// Rows of each table, by table name.
using RowCounts = QMap<QString, qint64>;

// Counts the rows of source and copies its pages into a new file at path,
// both in one read transaction, so they describe the same moment. Returns
// the SQLite result code; throws StoreError when source cannot be read.
int copyCounted(store::Database& source, const QString& path, RowCounts& counts,
                store::CopySync sync = store::CopySync::ByStore);

// Empty when the file at path passes SQLite's quick check (every page of
// every table and index read and its structure checked) and holds the
// expected rows in each table; otherwise why not, in Spanish.
QString checkCopy(const QString& path, const RowCounts& expected);

// Removes a file and the journal SQLite may have left beside it.
void removeDatabaseFile(const QString& path);

} // namespace tesorin::backups
