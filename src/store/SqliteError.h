#pragma once

#include "store/StoreError.h"

#include <QString>

struct sqlite3;

namespace tesorin::store {

// The Spanish message for a failed SQLite call on the work area displayName.
QString sqliteMessage(sqlite3* db, int resultCode, const QString& displayName);
[[noreturn]] void throwSqlite(sqlite3* db, int resultCode, const QString& displayName);

} // namespace tesorin::store
