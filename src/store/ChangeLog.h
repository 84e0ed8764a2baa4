#pragma once

#include "store/Database.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace tesorin::store {

// The work area's history of changes, kept in the file itself so that it
// survives closing the program and a crash. "Historial" holds one row per
// step (what the user did, as the "Deshacer" item names it); each tracked
// table T has a log "Historial T" of the row images a step changed: the image
// before a change (h_lado 0) and after it (h_lado 1), an insert having only
// the latter and a delete only the former. The images are written by
// triggers of the connection itself (temporary ones, never stored in the
// file), in the same transaction as the change, and only while a step is
// open on that connection: writes of no step (the sums form's totals) are
// not history.
namespace changelog {

// The tables whose rows are history, in the order their changes are undone.
const QStringList& trackedTables();
// Columns of a tracked table that are figures derived from the others: a step
// neither compares nor restores them ("Cuentas": the stored sums).
bool isDerivedColumn(const QString& table, const QString& column);
// The name of a tracked table's log.
QString logTable(const QString& table);
// The step table: Paso, Nombre, Deshecho (1 once undone, until made again),
// Fecha, and Copia (the copy a restore step goes back to).
inline const char* const kStepTable = "Historial";

// How many steps the file keeps at least; older ones are dropped as new ones
// are made.
constexpr int kKeptSteps = 100;

// Creates the step table and the logs of the tracked tables the file has, and
// this connection's triggers. Idempotent; throws StoreError.
void install(Database& db);
// Empties the history (a new work area starts with none).
void clear(Database& db);
// Whether the file has a table of that name (in any letter case).
bool hasTable(Database& db, const QString& table);
// The columns of a table, in their order.
QStringList columnsOf(Database& db, const QString& table);
// The columns of a tracked table's log that hold the row's images: the
// table's columns as they were when the log was made.
QStringList imageColumns(Database& db, const QString& table);

} // namespace changelog

// One step of the history: opens a transaction on the connection, records
// every tracked change made through it until commit(), then names the step.
// Steps that could be made again ("Rehacer") are dropped when a new one
// begins. A step without changes leaves no trace. Destroyed without commit(),
// everything is rolled back.
class ChangeStep {
public:
    ChangeStep(Database& db, QString name);
    ~ChangeStep();
    ChangeStep(const ChangeStep&) = delete;
    ChangeStep& operator=(const ChangeStep&) = delete;

    // The name may depend on what the step did ("asentar 26 movimientos
    // programados").
    void setName(const QString& name) { m_name = name; }
    // A restore records the copy that holds the state before it.
    void setCopy(const QString& copyPath) { m_copy = copyPath; }
    // A step that only adds rows to table (an import) has their images
    // written at once by commit() instead of one at a time as they come; an
    // import adds to several tables this way.
    void recordAddedRowsAtCommit(const QString& table);
    std::int64_t id() const { return m_id; }
    // How many rows of a tracked table the step has added so far.
    std::int64_t rowsAdded(const QString& table);
    void commit();

private:
    Database& m_db;
    Transaction m_transaction;
    QString m_name;
    QString m_copy;
    std::vector<std::pair<QString, std::int64_t>> m_bulk; // table, its last rowid before the step
    std::int64_t m_id = 0;
};

} // namespace tesorin::store
