#include "store/ChangeLog.h"

#include "store/Quote.h"
#include "store/SqliteError.h"
#include "store/StoreError.h"

#include <sqlite3.h>

namespace tesorin::store {

namespace changelog {

namespace {

bool tableExists(Database& db, const QString& schema, const QString& type, const QString& name) {
    Statement query = db.prepare(
        QStringLiteral(
            "SELECT 1 FROM %1.sqlite_master WHERE type = ?1 AND name = ?2 COLLATE NOCASE")
            .arg(schema));
    query.bindText(1, type).bindText(2, name);
    return query.step();
}

QString triggerName(const QString& table, const char* event) {
    return quotedIdentifier(logTable(table) + QLatin1Char(' ') + QLatin1String(event));
}

QString trigger(const QString& table, const char* event, const QStringList& columns,
                std::initializer_list<std::pair<const char*, int>> images) {
    QString names;
    for (const QString& column : columns)
        names += QStringLiteral(", ") + quotedIdentifier(column);
    QString body;
    for (const auto& [row, side] : images) {
        QString values;
        for (const QString& column : columns)
            values += QStringLiteral(", %1.%2").arg(QLatin1String(row), quotedIdentifier(column));
        body += QStringLiteral("INSERT INTO %1 (h_paso, h_fila, h_lado%2) VALUES ((SELECT Paso "
                               "FROM PasoActual), %3.rowid, %4%5); ")
                    .arg(quotedIdentifier(logTable(table)), names, QLatin1String(row))
                    .arg(side)
                    .arg(values);
    }
    return QStringLiteral("CREATE TEMP TRIGGER IF NOT EXISTS %1 AFTER %2 ON main.%3 WHEN EXISTS "
                          "(SELECT 1 FROM PasoActual) BEGIN %4END")
        .arg(triggerName(table, event), QLatin1String(event), quotedIdentifier(table), body);
}

} // namespace

QStringList imageColumns(Database& db, const QString& table) {
    QStringList columns;
    for (const QString& column : columnsOf(db, logTable(table))) {
        if (!column.startsWith(QLatin1String("h_")))
            columns << column;
    }
    return columns;
}

const QStringList& trackedTables() {
    static const QStringList tables{
        QStringLiteral("Movimientos"),        QStringLiteral("Cuentas"),
        QStringLiteral("Programa"),           QStringLiteral("Registro Usuario"),
        QStringLiteral("ImportacionesOFX"),   QStringLiteral("Extractos"),
        QStringLiteral("ExtractoMovimientos")};
    return tables;
}

bool isDerivedColumn(const QString& table, const QString& column) {
    if (table.compare(QLatin1String("Cuentas"), Qt::CaseInsensitive) != 0)
        return false;
    return column.compare(QLatin1String("TotEntrada"), Qt::CaseInsensitive) == 0 ||
           column.compare(QLatin1String("TotSalida"), Qt::CaseInsensitive) == 0 ||
           column.compare(QLatin1String("Saldo"), Qt::CaseInsensitive) == 0;
}

bool hasTable(Database& db, const QString& table) {
    return tableExists(db, QStringLiteral("main"), QStringLiteral("table"), table);
}

QString logTable(const QString& table) {
    return QLatin1String(kStepTable) + QLatin1Char(' ') + table;
}

QStringList columnsOf(Database& db, const QString& table) {
    Statement info =
        db.prepare(QStringLiteral("SELECT name FROM pragma_table_info(?1) ORDER BY cid"));
    info.bindText(1, table);
    QStringList columns;
    while (info.step())
        columns << info.text(0);
    return columns;
}

void install(Database& db) {
    db.exec(QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS PasoActual (Paso INTEGER)"));
    db.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (Paso INTEGER PRIMARY KEY, Nombre "
                           "TEXT NOT NULL, Deshecho INTEGER NOT NULL DEFAULT 0, Fecha TEXT, "
                           "Copia TEXT)")
                .arg(QLatin1String(kStepTable)));
    for (const QString& table : trackedTables()) {
        if (!hasTable(db, table))
            continue;
        const QString log = logTable(table);
        if (!hasTable(db, log)) {
            // Images keep their values as stored: the columns have no type.
            QString columns;
            for (const QString& column : columnsOf(db, table))
                columns += QStringLiteral(", ") + quotedIdentifier(column);
            db.exec(QStringLiteral("CREATE TABLE %1 (h_orden INTEGER PRIMARY KEY, h_paso INTEGER "
                                   "NOT NULL, h_fila INTEGER NOT NULL, h_lado INTEGER NOT NULL%2); "
                                   "CREATE INDEX %3 ON %1 (h_paso, h_fila)")
                        .arg(quotedIdentifier(log), columns,
                             quotedIdentifier(log + QStringLiteral(" paso"))));
        }
        if (tableExists(db, QStringLiteral("temp"), QStringLiteral("trigger"),
                        log + QStringLiteral(" INSERT")))
            continue;
        const QStringList columns = imageColumns(db, table);
        db.exec(trigger(table, "INSERT", columns, {{"NEW", 1}}));
        db.exec(trigger(table, "UPDATE", columns, {{"OLD", 0}, {"NEW", 1}}));
        db.exec(trigger(table, "DELETE", columns, {{"OLD", 0}}));
    }
}

void clear(Database& db) {
    if (!hasTable(db, QLatin1String(kStepTable)))
        return;
    db.exec(QStringLiteral("DELETE FROM %1").arg(QLatin1String(kStepTable)));
    for (const QString& table : trackedTables()) {
        if (hasTable(db, logTable(table)))
            db.exec(QStringLiteral("DELETE FROM %1").arg(quotedIdentifier(logTable(table))));
    }
}

} // namespace changelog

namespace {

// Runs fn for the log of every tracked table this file has.
template <typename Fn> void forEachLog(Database& db, Fn fn) {
    for (const QString& table : changelog::trackedTables()) {
        if (changelog::hasTable(db, changelog::logTable(table)))
            fn(quotedIdentifier(changelog::logTable(table)));
    }
}

} // namespace

ChangeStep::ChangeStep(Database& db, QString name)
    : m_db(db), m_transaction(db), m_name(std::move(name)) {
    // A file opened read-only takes no change: say so as any write would.
    if (sqlite3_db_readonly(m_db.handle(), "main") == 1)
        throwSqlite(m_db.handle(), SQLITE_READONLY, m_db.name(), StoreStep::Save);
    changelog::install(m_db);
    Statement step = m_db.prepare(
        QStringLiteral("INSERT INTO Historial (Nombre, Fecha) VALUES (?1, datetime('now', "
                       "'localtime'))"));
    step.bindText(1, m_name).run();
    m_id = sqlite3_last_insert_rowid(m_db.handle());
    m_db.exec(QStringLiteral("DELETE FROM PasoActual"));
    m_db.prepare(QStringLiteral("INSERT INTO PasoActual (Paso) VALUES (?1)"))
        .bindInt64(1, m_id)
        .run();
}

ChangeStep::~ChangeStep() = default;

std::int64_t ChangeStep::rowsAdded(const QString& table) {
    Statement count = m_db.prepare(
        QStringLiteral("SELECT count(*) FROM %1 f WHERE h_paso = ?1 AND h_lado = 1 AND NOT EXISTS "
                       "(SELECT 1 FROM %1 b WHERE b.h_paso = ?1 AND b.h_fila = f.h_fila AND "
                       "b.h_lado = 0)")
            .arg(quotedIdentifier(changelog::logTable(table))));
    count.bindInt64(1, m_id);
    return count.step() ? count.int64(0) : 0;
}

void ChangeStep::recordAddedRowsAtCommit(const QString& table) {
    Statement last = m_db.prepare(
        QStringLiteral("SELECT coalesce(max(rowid), 0) FROM %1").arg(quotedIdentifier(table)));
    m_bulk.emplace_back(table, last.step() ? last.int64(0) : 0);
    // Until commit() the table's inserts go unrecorded one by one; the
    // trigger comes back with the step's end, or with its rollback.
    m_db.exec(QStringLiteral("DROP TRIGGER IF EXISTS temp.%1")
                  .arg(changelog::triggerName(table, "INSERT")));
}

void ChangeStep::commit() {
    m_db.exec(QStringLiteral("DELETE FROM PasoActual"));
    for (const auto& [table, from] : m_bulk) {
        const QStringList columns = changelog::imageColumns(m_db, table);
        QString list;
        for (const QString& column : columns)
            list += QStringLiteral(", ") + quotedIdentifier(column);
        m_db.prepare(QStringLiteral("INSERT INTO %1 (h_paso, h_fila, h_lado%2) SELECT ?1, rowid, "
                                    "1%2 FROM %3 WHERE rowid > ?2 ORDER BY rowid")
                         .arg(quotedIdentifier(changelog::logTable(table)), list,
                              quotedIdentifier(table)))
            .bindInt64(1, m_id)
            .bindInt64(2, from)
            .run();
    }
    if (!m_bulk.empty())
        changelog::install(m_db);
    bool changed = !m_copy.isEmpty();
    forEachLog(m_db, [&](const QString& log) {
        if (changed)
            return;
        Statement any =
            m_db.prepare(QStringLiteral("SELECT 1 FROM %1 WHERE h_paso = ?1 LIMIT 1").arg(log));
        changed = any.bindInt64(1, m_id).step();
    });
    if (!changed) {
        m_db.prepare(QStringLiteral("DELETE FROM Historial WHERE Paso = ?1"))
            .bindInt64(1, m_id)
            .run();
    } else {
        m_db.prepare(QStringLiteral("UPDATE Historial SET Nombre = ?1, Copia = ?2 WHERE Paso = ?3"))
            .bindText(1, m_name)
            .bind(2, m_copy.isEmpty() ? QVariant() : QVariant(m_copy))
            .bindInt64(3, m_id)
            .run();
        // What could have been made again is gone once something new is done,
        // and only the newest steps are kept.
        forEachLog(m_db, [&](const QString& log) {
            m_db.exec(QStringLiteral("DELETE FROM %1 WHERE h_paso IN (SELECT Paso FROM Historial "
                                     "WHERE Deshecho = 1)")
                          .arg(log));
        });
        m_db.exec(QStringLiteral("DELETE FROM Historial WHERE Deshecho = 1"));
        m_db.exec(QStringLiteral("DELETE FROM Historial WHERE Paso NOT IN (SELECT Paso FROM "
                                 "Historial ORDER BY Paso DESC LIMIT %1)")
                      .arg(changelog::kKeptSteps));
        forEachLog(m_db, [&](const QString& log) {
            m_db.exec(QStringLiteral("DELETE FROM %1 WHERE h_paso < (SELECT min(Paso) FROM "
                                     "Historial)")
                          .arg(log));
        });
    }
    m_transaction.commit();
}

} // namespace tesorin::store
