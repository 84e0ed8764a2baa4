#include "backups/core/CopyCheck.h"

#include "store/Database.h"
#include "store/PageCopy.h"
#include "store/Quote.h"

#include <QFile>

#include <sqlite3.h>

namespace tesorin::backups {

namespace {

// Counts the rows of every table of db. Returns the SQLite result code.
int countRows(sqlite3* db, RowCounts& counts) {
    sqlite3_stmt* tables = nullptr;
    int rc = sqlite3_prepare_v2(
        db, "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%'", -1,
        &tables, nullptr);
    QStringList names;
    while (rc == SQLITE_OK && sqlite3_step(tables) == SQLITE_ROW)
        names << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(tables, 0)));
    if (rc == SQLITE_OK)
        rc = sqlite3_finalize(tables);
    for (const QString& name : names) {
        if (rc != SQLITE_OK)
            break;
        sqlite3_stmt* count = nullptr;
        const QByteArray sql =
            QStringLiteral("SELECT count(*) FROM %1").arg(store::quotedIdentifier(name)).toUtf8();
        rc = sqlite3_prepare_v2(db, sql.constData(), -1, &count, nullptr);
        if (rc == SQLITE_OK && sqlite3_step(count) == SQLITE_ROW)
            counts.insert(name, sqlite3_column_int64(count, 0));
        const int finalized = sqlite3_finalize(count);
        if (rc == SQLITE_OK)
            rc = finalized;
    }
    return rc;
}

} // namespace

int copyCounted(store::Database& source, const QString& path, RowCounts& counts,
                store::CopySync sync) {
    source.exec(QStringLiteral("BEGIN"));
    int rc = countRows(source.handle(), counts);
    if (rc == SQLITE_OK)
        rc = store::copyPages(source.handle(), path, sync);
    source.exec(QStringLiteral("COMMIT"));
    return rc;
}

QString checkCopy(const QString& path, const RowCounts& expected) {
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    QString problem;
    if (rc == SQLITE_OK) {
        sqlite3_stmt* check = nullptr;
        rc = sqlite3_prepare_v2(db, "PRAGMA quick_check", -1, &check, nullptr);
        QStringList findings;
        while (rc == SQLITE_OK && sqlite3_step(check) == SQLITE_ROW)
            findings << QString::fromUtf8(
                reinterpret_cast<const char*>(sqlite3_column_text(check, 0)));
        const int finalized = sqlite3_finalize(check);
        if (rc == SQLITE_OK)
            rc = finalized;
        if (rc == SQLITE_OK && findings != QStringList{QStringLiteral("ok")})
            problem = QStringLiteral("el archivo está dañado");
    }
    RowCounts counts;
    if (rc == SQLITE_OK && problem.isEmpty())
        rc = countRows(db, counts);
    if ((rc & 0xff) == SQLITE_NOTADB)
        problem = QStringLiteral("no es un archivo de caja");
    else if ((rc & 0xff) == SQLITE_CORRUPT)
        problem = QStringLiteral("el archivo está dañado");
    else if (rc != SQLITE_OK)
        problem = QStringLiteral("no se puede leer");
    sqlite3_close(db);
    if (!problem.isEmpty())
        return problem;
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        const qint64 written = counts.value(it.key(), -1);
        if (written != it.value())
            return QStringLiteral("la tabla %1 tiene %2 filas en lugar de %3")
                .arg(it.key())
                .arg(written < 0 ? 0 : written)
                .arg(it.value());
    }
    if (counts.size() != expected.size())
        return QStringLiteral("no tiene las mismas tablas que la caja");
    return QString();
}

void removeDatabaseFile(const QString& path) {
    QFile::remove(path);
    QFile::remove(path + QStringLiteral("-journal"));
}

} // namespace tesorin::backups
