#include "store/Database.h"

#include "store/Dialect.h"
#include "store/Durability.h"
#include "store/FileKind.h"
#include "store/Recordset.h"
#include "store/Schema.h"
#include "store/SchemaVersion.h"
#include "store/SqliteError.h"
#include "store/WorkAreaFolder.h"

#include <QFileInfo>

#include <sqlite3.h>

namespace tesorin::store {

namespace {
// Another program holding the file gets this long to finish before a write
// is reported as failed.
constexpr int kBusyTimeoutMs = 3000;
} // namespace

std::unique_ptr<Database> Database::OpenDatabase(const QString& bareName) {
    std::unique_ptr<Database> opened =
        openFile(resolveWorkArea(bareName), bareName, workAreasReadOnly());
    if (!workAreasReadOnly())
        bringToCurrentSchema(*opened);
    return opened;
}

std::unique_ptr<Database> Database::openFile(const QString& path, const QString& displayName,
                                             bool readOnly) {
    const QFileInfo info(path);
    if (!info.exists())
        throw StoreError(QStringLiteral("No se encuentra el archivo «%1».").arg(displayName));
    if (!info.isFile())
        throw StoreError(QStringLiteral("«%1» no es un archivo.").arg(displayName));
    if (!info.isReadable())
        throw StoreError(
            QStringLiteral("No hay permiso para leer el archivo «%1».").arg(displayName));
    // The store would take an empty file for an empty database.
    if (info.size() == 0)
        throw StoreError(emptyFileMessage(displayName));
    sqlite3* db = nullptr;
    const int rc =
        sqlite3_open_v2(path.toUtf8().constData(), &db,
                        readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        const QString message = sqliteMessage(db, rc, displayName, StoreStep::Open);
        sqlite3_close(db);
        throw StoreError(message, rc & 0xff);
    }
    std::unique_ptr<Database> opened(new Database(db, path, displayName));
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    sqlite3_extended_result_codes(db, 1);
    if (!readOnly)
        makeCommitsDurable(db, displayName);
    dialect::registerFunctions(db);
    // Reading the catalogue is what tells a database from any other file.
    checkWorkAreaTables(db, displayName);
    refuseNewerSchema(db, displayName);
    return opened;
}

Database::Database(sqlite3* db, QString path, QString name)
    : m_db(db), m_path(std::move(path)), m_name(std::move(name)) {}

Database::~Database() {
    Close();
}

void Database::Close() {
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}

std::unique_ptr<Recordset> Database::OpenRecordset(const QString& source) {
    return std::make_unique<Recordset>(*this, source);
}

void Database::Execute(const QString& jetSql) {
    Transaction transaction(*this);
    exec(dialect::toSqlite(jetSql));
    transaction.commit();
}

Statement Database::prepare(const QString& sqliteSql) {
    return Statement(m_db, sqliteSql, m_name);
}

void Database::exec(const QString& sqliteSql) {
    if (!m_db)
        throw StoreError(QStringLiteral("No hay ninguna caja abierta."));
    char* error = nullptr;
    const int rc = sqlite3_exec(m_db, sqliteSql.toUtf8().constData(), nullptr, nullptr, &error);
    if (rc != SQLITE_OK) {
        const QString detail = QString::fromUtf8(error ? error : "");
        sqlite3_free(error);
        if ((rc & 0xff) == SQLITE_ERROR)
            throw StoreError(QStringLiteral("La consulta no es válida: %1").arg(detail));
        throwSqlite(m_db, rc, m_name, StoreStep::Save);
    }
}

Transaction::Transaction(Database& db) : m_db(db) {
    // A transaction inside another one becomes a savepoint of it.
    m_savepoint = db.handle() && !sqlite3_get_autocommit(db.handle());
    m_db.exec(m_savepoint ? QStringLiteral("SAVEPOINT tesorin_step")
                          : QStringLiteral("BEGIN IMMEDIATE"));
}

Transaction::~Transaction() {
    if (m_done || !m_db.handle())
        return;
    try {
        if (m_savepoint)
            m_db.exec(QStringLiteral("ROLLBACK TO tesorin_step; RELEASE tesorin_step"));
        else
            m_db.exec(QStringLiteral("ROLLBACK"));
    } catch (const StoreError&) {
        // The failure that brought us here is the one the user hears about.
    }
}

void Transaction::commit() {
    m_db.exec(m_savepoint ? QStringLiteral("RELEASE tesorin_step") : QStringLiteral("COMMIT"));
    m_done = true;
}

} // namespace tesorin::store
