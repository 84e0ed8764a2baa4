#pragma once

#include <QString>

struct sqlite3;

namespace tesorin::store {

// Who makes sure a copy's pages reach the disk: SQLite as it writes them,
// or the caller afterwards (syncToDisk), which may do other work meanwhile.
enum class CopySync { ByStore, ByCaller };

// Copies every page of source into a new file at path, as one consistent
// snapshot (SQLite's backup API), so a file another program holds in a
// write-ahead log is copied whole. Waits a while for a source another
// program is writing. Returns the SQLite result code.
int copyPages(sqlite3* source, const QString& path, CopySync sync = CopySync::ByStore);

// Waits until what was written to the file at path is on the disk. False
// when the system reports a failure.
bool syncToDisk(const QString& path);

} // namespace tesorin::store
