#pragma once

#include <QString>

struct sqlite3;

namespace tesorin::store {

// A commit that the program reports as done must survive a power cut. In the
// rollback-journal mode a transaction commits when its journal is deleted;
// unless the folder is synced after that deletion, a cut can bring the
// journal back and the next opening rolls the committed transaction away.
// "synchronous = EXTRA" syncs the folder after each commit. Every connection
// that writes a work area takes it; throws StoreError.
void makeCommitsDurable(sqlite3* db, const QString& displayName);

// Syncs the folder holding path, so that a file renamed or created there is
// still there after a power cut. Returns false when the folder cannot be
// synced.
bool syncFolderOf(const QString& path);

} // namespace tesorin::store
