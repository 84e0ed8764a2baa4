#pragma once

#include "store/Database.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace tesorin::history {

// One step of the work area's history, as "Deshacer" and "Rehacer" name it.
struct HistoryStep {
    std::int64_t id = 0;
    QString name;
    // A restore's step: the copy holding the state before the restore (undo)
    // or after it (redo); the work area is replaced by it instead of its rows
    // being changed.
    QString copy;
};

// The newest step not undone, and the oldest undone one (the next to make
// again); none in a file without history.
std::optional<HistoryStep> stepToUndo(store::Database& db);
std::optional<HistoryStep> stepToRedo(store::Database& db);

// "Deshacer" / "Deshacer borrar movimiento", "Rehacer" / "Rehacer ...".
QString undoCaption(const std::optional<HistoryStep>& step);
QString redoCaption(const std::optional<HistoryStep>& step);

// Puts every row the step changed back as it was before it (undo) or as the
// step left it (redo), in one transaction. A row changed since by something
// the history did not see (another program, another copy of the work area)
// refuses the whole step with a message, and nothing changes. Returns the
// movement to show afterwards: one the step changed that exists now.
std::optional<std::int64_t> undoStep(store::Database& db, const HistoryStep& step);
std::optional<std::int64_t> redoStep(store::Database& db, const HistoryStep& step);

// Marks a step undone or made again without touching rows: a restore's step,
// whose work is the replacement of the whole file.
void markStep(store::Database& db, std::int64_t id, bool undone);

} // namespace tesorin::history
