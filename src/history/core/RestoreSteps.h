#pragma once

#include <QString>

// A restore replaces the whole work-area file, history included, so its step
// is written into the file that takes the work area's place, just before it
// does: the restored copy learns that it was restored, and from which copy
// of the state before it comes back.
namespace tesorin::history {

struct HistoryStep;

// A restore chosen from the list: the staged file gets the step "restaurar
// copia de seguridad", undone by putting stateBefore back.
void recordRestore(const QString& stagedPath, const QString& workAreaName,
                   const QString& stateBefore);

// Undoing that step puts the copy of the state before back; the staged file
// (that state) gets the same step as one to make again, from stateAfter, the
// copy of the restored state just taken.
void recordUndoneRestore(const QString& stagedPath, const QString& workAreaName,
                         const QString& stateAfter);

// Making it again puts the restored state back; its step (the newest one,
// still done) now goes back to stateBefore, the copy just taken.
void renewRestore(const QString& stagedPath, const QString& workAreaName,
                  const QString& stateBefore);

} // namespace tesorin::history
