#pragma once

#include <QString>

struct sqlite3;

namespace tesorin::store {

// Copies every page of source into a new file at path, as one consistent
// snapshot (SQLite's backup API), so a file another program holds in a
// write-ahead log is copied whole. Waits a while for a source another
// program is writing. Returns the SQLite result code.
int copyPages(sqlite3* source, const QString& path);

} // namespace tesorin::store
