#pragma once

#include "store/StoreError.h"

#include <QString>

struct sqlite3;

namespace tesorin::store {

// What the program was doing with the work area when the store failed: the
// message says so, so that a failure to read never claims a change was lost.
enum class StoreStep { Open, Read, Save, Create };

// The Spanish message for a failed SQLite call on the work area displayName.
QString sqliteMessage(sqlite3* db, int resultCode, const QString& displayName, StoreStep step);
[[noreturn]] void throwSqlite(sqlite3* db, int resultCode, const QString& displayName,
                              StoreStep step);

} // namespace tesorin::store
