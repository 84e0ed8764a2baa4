#pragma once

#include "store/Database.h"
#include "store/Recordset.h"

#include <QString>

#include <memory>

namespace tesorin::workareas {

class WorkAreaLock;

// What every operation of the program shares while it runs, owned by the
// main window from start-up to the end. baseAbierta is declared before the
// recordsets so that they are released before the database they read.
struct ProgramState {
    ProgramState() = default;
    ProgramState(const ProgramState&) = delete;
    ProgramState& operator=(const ProgramState&) = delete;

    // This copy's lock on the current work area, released only after the
    // database below is closed; empty while no work area is open.
    std::shared_ptr<WorkAreaLock> bloqueo;
    // The database of the current work area.
    std::unique_ptr<store::Database> baseAbierta;
    // Bare file name of the current work area ("BASE.MDB").
    QString nombreBase;
    // Shared recordsets: each operation that uses one opens a fresh one into
    // it (releasing the previous) and closes it before it returns.
    std::unique_ptr<store::Recordset> recCuentas;
    std::unique_ptr<store::Recordset> recMovimientos;
};

} // namespace tesorin::workareas
