#include "store/SchemaVersion.h"

#include "store/Database.h"
#include "store/SqliteError.h"
#include "store/StoreError.h"

#include <sqlite3.h>

namespace tesorin::store {

int storedSchemaVersion(sqlite3* db, const QString& displayName) {
    sqlite3_stmt* stmt = nullptr;
    int rc = sqlite3_prepare_v2(db, "PRAGMA user_version", -1, &stmt, nullptr);
    int version = 0;
    if (rc == SQLITE_OK) {
        rc = sqlite3_step(stmt);
        if (rc == SQLITE_ROW)
            version = sqlite3_column_int(stmt, 0);
    }
    sqlite3_finalize(stmt);
    if (rc != SQLITE_ROW)
        throwSqlite(db, rc, displayName, StoreStep::Open);
    return version;
}

QString newerSchemaMessage(const QString& displayName) {
    return QStringLiteral("La caja «%1» fue guardada por una versión más nueva de Tesorin; "
                          "actualice el programa para abrirla.")
        .arg(displayName);
}

void refuseNewerSchema(sqlite3* db, const QString& displayName) {
    if (storedSchemaVersion(db, displayName) > kSchemaVersion)
        throw StoreError(newerSchemaMessage(displayName));
}

void bringToCurrentSchema(Database& db) {
    if (storedSchemaVersion(db.handle(), db.name()) >= kSchemaVersion)
        return;
    Transaction transaction(db);
    db.exec(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion));
    transaction.commit();
}

} // namespace tesorin::store
