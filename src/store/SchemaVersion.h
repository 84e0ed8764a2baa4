#pragma once

#include <QString>

struct sqlite3;

namespace tesorin::store {

class Database;

// A work area carries the version of its layout in SQLite's user_version.
// Version 1 is the layout of the four tables with the ones the program added
// beside them (the history, the imported transaction ids); a file from before
// versions were kept holds 0 and is recognised by its tables as version 1.
constexpr int kSchemaVersion = 1;

// The version the file says it holds (0: from before versions).
int storedSchemaVersion(sqlite3* db, const QString& displayName);

// "La caja «X.MDB» fue guardada por una versión más nueva de Tesorin; ..."
QString newerSchemaMessage(const QString& displayName);

// Throws StoreError with newerSchemaMessage() for a file of a version this
// program does not know: it is opened for nothing and changed in nothing.
void refuseNewerSchema(sqlite3* db, const QString& displayName);

// Brings an open work area to kSchemaVersion: a file from before versions is
// marked as version 1, in one transaction. Throws StoreError.
void bringToCurrentSchema(Database& db);

} // namespace tesorin::store
