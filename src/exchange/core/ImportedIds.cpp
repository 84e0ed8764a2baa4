#include "exchange/core/ImportedIds.h"

#include "store/Database.h"

#include <sqlite3.h>

namespace tesorin::exchange {

namespace {

bool tableExists(store::Database& db) {
    store::Statement query = db.prepare(QStringLiteral(
        "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'ImportacionesOFX'"));
    return query.step();
}

} // namespace

QSet<QString> importedIds(store::Database& db) {
    QSet<QString> ids;
    if (!tableExists(db))
        return ids;
    store::Statement query =
        db.prepare(QStringLiteral("SELECT i.Fitid FROM ImportacionesOFX i JOIN Movimientos m ON "
                                  "m.idMovimiento = i.idMovimiento"));
    while (query.step())
        ids.insert(query.text(0));
    return ids;
}

std::int64_t sqlite3LastId(store::Database& db) {
    return sqlite3_last_insert_rowid(db.handle());
}

void ImportedIdsWriter::add(const QString& fitid, std::int64_t movementId) {
    if (!m_ready) {
        m_db.exec(
            QStringLiteral("CREATE TABLE IF NOT EXISTS ImportacionesOFX ("
                           "Fitid TEXT NOT NULL PRIMARY KEY, idMovimiento INTEGER NOT NULL)"));
        m_ready = true;
    }
    store::Statement insert = m_db.prepare(QStringLiteral(
        "INSERT OR REPLACE INTO ImportacionesOFX (Fitid, idMovimiento) VALUES (?1, ?2)"));
    insert.bindText(1, fitid).bindInt64(2, movementId);
    insert.run();
}

} // namespace tesorin::exchange
