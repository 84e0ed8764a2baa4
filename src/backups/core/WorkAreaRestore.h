#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace tesorin::backups {

// What a restore did, for whoever records it as a step to undo: the copy put
// in place, and the copy of the work area as it was just before (empty when
// the user chose to go on without one).
struct RestoreStep {
    QString workArea;
    QString restoredCopy;
    QString stateBefore;
};

// How a restore reaches the program around it.
struct RestoreHooks {
    // Takes the copy of the current state: its path, an empty text to go on
    // without one, or nothing to stop before anything changed.
    std::function<std::optional<QString>()> copyCurrentState;
    // Releases every connection the program has to the work area, and opens
    // them again.
    std::function<void()> closeConnections;
    std::function<void()> openConnections;
    // Runs on the checked file before it takes the work area's place, given
    // the copy of the state before (empty without one): where the restore
    // is written into the file's history. Optional.
    std::function<void(const QString& stagedPath, const QString& stateBefore)> prepareStaged;
};

// Replaces the work area workAreaName (a bare name) by the copy at copyPath:
// the copy is first copied to a temporary name in the work-area folder and
// checked (a copy that does not open, or fails the check, is refused before
// anything changes), then the current state is copied, prepareStaged runs,
// the connections are closed, the checked file is renamed over the work area
// in one step and the connections are opened again. Returns nothing when
// copyCurrentState stopped it. Throws StoreError, with the work area as it was when the renaming
// did not happen.
std::optional<RestoreStep> restoreBackup(const QString& workAreaName, const QString& copyPath,
                                         const RestoreHooks& hooks);

} // namespace tesorin::backups
