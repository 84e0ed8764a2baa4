#include "history/core/UndoHistory.h"

#include "store/ChangeLog.h"
#include "store/Quote.h"
#include "store/StoreError.h"

#include <vector>

namespace tesorin::history {

namespace {

using store::Database;
using store::quotedIdentifier;
using store::Statement;
namespace changelog = store::changelog;

std::optional<HistoryStep> findStep(Database& db, const char* where) {
    if (!db.handle() || !changelog::hasTable(db, QLatin1String(changelog::kStepTable)))
        return std::nullopt;
    Statement query = db.prepare(
        QStringLiteral("SELECT Paso, Nombre, Copia FROM Historial %1").arg(QLatin1String(where)));
    if (!query.step())
        return std::nullopt;
    return HistoryStep{query.int64(0), query.text(1), query.text(2)};
}

// How one row stood before the step and after it: the image of each side, or
// none where the row did not exist.
struct RowChange {
    std::int64_t row = 0;
    std::optional<std::int64_t> before;
    std::optional<std::int64_t> after;
};

std::vector<RowChange> rowChanges(Database& db, const QString& log, std::int64_t step) {
    Statement query = db.prepare(
        QStringLiteral("SELECT g.h_fila, g.a, fa.h_lado, g.b, fb.h_lado FROM (SELECT h_fila, "
                       "min(h_orden) AS a, max(h_orden) AS b FROM %1 WHERE h_paso = ?1 GROUP BY "
                       "h_fila) g JOIN %1 fa ON fa.h_orden = g.a JOIN %1 fb ON fb.h_orden = g.b "
                       "ORDER BY g.a")
            .arg(quotedIdentifier(log)));
    query.bindInt64(1, step);
    std::vector<RowChange> changes;
    while (query.step()) {
        RowChange change;
        change.row = query.int64(0);
        if (query.int64(2) == 0)
            change.before = query.int64(1);
        if (query.int64(4) == 1)
            change.after = query.int64(3);
        changes.push_back(change);
    }
    return changes;
}

// The statements that compare and put back the rows of one table.
class TableRestorer {
public:
    TableRestorer(Database& db, const QString& table) : m_log(changelog::logTable(table)) {
        const QStringList present = changelog::columnsOf(db, table);
        QStringList columns;
        QStringList compared;
        for (const QString& column : changelog::imageColumns(db, table)) {
            if (!present.contains(column, Qt::CaseInsensitive))
                continue;
            columns << quotedIdentifier(column);
            if (!changelog::isDerivedColumn(table, column))
                compared << quotedIdentifier(column);
        }
        QString same;
        for (const QString& column : compared)
            same += QStringLiteral(" AND t.%1 IS l.%1 COLLATE BINARY").arg(column);
        const QString t = quotedIdentifier(table);
        const QString l = quotedIdentifier(m_log);
        m_exists.emplace(db.prepare(QStringLiteral("SELECT 1 FROM %1 WHERE rowid = ?1").arg(t)));
        m_equals.emplace(db.prepare(
            QStringLiteral("SELECT 1 FROM %1 t, %2 l WHERE t.rowid = ?1 AND l.h_orden = ?2%3")
                .arg(t, l, same)));
        m_delete.emplace(db.prepare(QStringLiteral("DELETE FROM %1 WHERE rowid = ?1").arg(t)));
        const QString comparedList = compared.join(QStringLiteral(", "));
        m_update.emplace(db.prepare(
            QStringLiteral("UPDATE %1 SET (%2) = (SELECT %2 FROM %3 WHERE h_orden = ?2) WHERE "
                           "rowid = ?1")
                .arg(t, comparedList.isEmpty() ? QStringLiteral("rowid") : comparedList, l)));
        const QString all = columns.join(QStringLiteral(", "));
        m_insert.emplace(
            db.prepare(QStringLiteral("INSERT INTO %1 (rowid, %2) SELECT ?1, %2 FROM %3 "
                                      "WHERE h_orden = ?2")
                           .arg(t, all, l)));
    }

    const QString& log() const { return m_log; }

    // True when the row stands as the image says (or is absent, with none).
    bool standsAs(std::int64_t row, const std::optional<std::int64_t>& image) {
        Statement& query = image ? *m_equals : *m_exists;
        query.reset();
        query.bindInt64(1, row);
        if (image)
            query.bindInt64(2, *image);
        const bool found = query.step();
        return image ? found : !found;
    }

    void put(std::int64_t row, bool existsNow, const std::optional<std::int64_t>& image) {
        Statement& write = !image ? *m_delete : existsNow ? *m_update : *m_insert;
        write.reset();
        write.bindInt64(1, row);
        if (image)
            write.bindInt64(2, *image);
        write.run();
    }

private:
    QString m_log;
    std::optional<Statement> m_exists;
    std::optional<Statement> m_equals;
    std::optional<Statement> m_delete;
    std::optional<Statement> m_update;
    std::optional<Statement> m_insert;
};

QString refusal(bool undo, const QString& name) {
    return (undo ? QStringLiteral("No se puede deshacer \"%1\": algunos de los datos que cambió "
                                  "fueron modificados después por otra vía. La caja queda como "
                                  "está.")
                 : QStringLiteral("No se puede rehacer \"%1\": algunos de los datos que cambió "
                                  "fueron modificados después por otra vía. La caja queda como "
                                  "está."))
        .arg(name);
}

std::optional<std::int64_t> applyStep(Database& db, const HistoryStep& step, bool undo) {
    changelog::install(db);
    store::Transaction transaction(db);
    // The undo itself is no step of the history.
    db.exec(QStringLiteral("DELETE FROM PasoActual"));
    std::optional<std::int64_t> movement;
    for (const QString& table : changelog::trackedTables()) {
        if (!changelog::hasTable(db, table) || !changelog::hasTable(db, changelog::logTable(table)))
            continue;
        TableRestorer restorer(db, table);
        const std::vector<RowChange> changes = rowChanges(db, restorer.log(), step.id);
        for (const RowChange& change : changes) {
            const auto& expected = undo ? change.after : change.before;
            if (!restorer.standsAs(change.row, expected))
                throw store::StoreError(refusal(undo, step.name));
        }
        for (const RowChange& change : changes) {
            const auto& expected = undo ? change.after : change.before;
            const auto& target = undo ? change.before : change.after;
            try {
                restorer.put(change.row, expected.has_value(), target);
            } catch (const store::StoreError& error) {
                // A row put back collides with one made since (an account of
                // the same name): that, too, was changed by something else.
                throw store::StoreError(
                    refusal(undo, step.name) + QLatin1Char('\n') + error.message(), error.code());
            }
            if (!movement && target && table == QLatin1String("Movimientos"))
                movement = change.row;
        }
    }
    markStep(db, step.id, undo);
    transaction.commit();
    return movement;
}

} // namespace

std::optional<HistoryStep> stepToUndo(Database& db) {
    return findStep(db, "WHERE Deshecho = 0 ORDER BY Paso DESC LIMIT 1");
}

std::optional<HistoryStep> stepToRedo(Database& db) {
    return findStep(db, "WHERE Deshecho = 1 ORDER BY Paso LIMIT 1");
}

QString undoCaption(const std::optional<HistoryStep>& step) {
    return step ? QStringLiteral("Deshacer ") + step->name : QStringLiteral("Deshacer");
}

QString redoCaption(const std::optional<HistoryStep>& step) {
    return step ? QStringLiteral("Rehacer ") + step->name : QStringLiteral("Rehacer");
}

std::optional<std::int64_t> undoStep(Database& db, const HistoryStep& step) {
    return applyStep(db, step, true);
}

std::optional<std::int64_t> redoStep(Database& db, const HistoryStep& step) {
    return applyStep(db, step, false);
}

void markStep(Database& db, std::int64_t id, bool undone) {
    db.prepare(QStringLiteral("UPDATE Historial SET Deshecho = ?1 WHERE Paso = ?2"))
        .bindInt64(1, undone ? 1 : 0)
        .bindInt64(2, id)
        .run();
}

} // namespace tesorin::history
