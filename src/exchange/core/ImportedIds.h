#pragma once

#include <QSet>
#include <QString>

#include <cstdint>

namespace tesorin::store {
class Database;
class Statement;
} // namespace tesorin::store

namespace tesorin::exchange {

// The bank transaction ids (OFX FITID) of imported movements live in a table
// of their own, "ImportacionesOFX" (Fitid, idMovimiento), created the first
// time an OFX statement is imported. An id counts as imported only while its
// movement is still stored, so a deleted movement, or a work area copied
// from another without its movements, takes the transaction again.

// The imported ids whose movement is still stored. Throws store::StoreError.
QSet<QString> importedIds(store::Database& db);

// The identifier of the row the connection added last.
std::int64_t sqlite3LastId(store::Database& db);

// Adds ids inside the caller's transaction, creating the table on first use.
class ImportedIdsWriter {
public:
    explicit ImportedIdsWriter(store::Database& db) : m_db(db) {}
    void add(const QString& fitid, std::int64_t movementId);

private:
    store::Database& m_db;
    bool m_ready = false;
};

} // namespace tesorin::exchange
