#include "history/core/RestoreSteps.h"

#include "history/core/StepNames.h"
#include "history/core/UndoHistory.h"
#include "store/ChangeLog.h"
#include "store/Database.h"

namespace tesorin::history {

namespace {

std::int64_t addRestoreStep(store::Database& staged, const QString& copy) {
    store::ChangeStep step(staged, steps::kRestore);
    step.setCopy(copy);
    const std::int64_t id = step.id();
    step.commit();
    return id;
}

} // namespace

void recordRestore(const QString& stagedPath, const QString& workAreaName,
                   const QString& stateBefore) {
    const auto staged = store::Database::openFile(stagedPath, workAreaName);
    addRestoreStep(*staged, stateBefore);
}

void recordUndoneRestore(const QString& stagedPath, const QString& workAreaName,
                         const QString& stateAfter) {
    const auto staged = store::Database::openFile(stagedPath, workAreaName);
    markStep(*staged, addRestoreStep(*staged, stateAfter), true);
}

void renewRestore(const QString& stagedPath, const QString& workAreaName,
                  const QString& stateBefore) {
    const auto staged = store::Database::openFile(stagedPath, workAreaName);
    const std::optional<HistoryStep> restore = stepToUndo(*staged);
    if (!restore || restore->copy.isEmpty())
        return;
    staged->prepare(QStringLiteral("UPDATE Historial SET Copia = ?1 WHERE Paso = ?2"))
        .bindText(1, stateBefore)
        .bindInt64(2, restore->id)
        .run();
}

} // namespace tesorin::history
