#pragma once

#include "backups/core/WorkAreaRestore.h"

#include <QObject>

#include <functional>
#include <optional>

namespace tesorin::history {
struct HistoryStep;
}

namespace tesorin::workareas {
class WorkAreaWindow;
}

namespace tesorin::backups {

// The main window's backup operations.
class BackupOperations : public QObject {
public:
    BackupOperations(workareas::WorkAreaWindow& window, QObject* parent);

    // "Archivo" > "Restaurar copia de seguridad...": lists the copies of the
    // open work area and, once confirmed, puts the chosen one in its place
    // and runs the view again. Returns what was restored.
    std::optional<RestoreStep> restaurarCopia();
    // The copy taken once a day when a work area is opened.
    void copiaAlAbrir();
    // Undoes a restore's step by putting its copy back (the state before),
    // or makes it again (the restored state); true when the work area was
    // replaced.
    bool putBackRestore(const history::HistoryStep& step, bool undo);

private:
    workareas::WorkAreaWindow& m_window;

    // Puts the copy at copyPath in place of the open work area, first taking
    // a copy of its current state; prepare writes the file's history.
    std::optional<RestoreStep>
    replaceWorkArea(const QString& copyPath,
                    const std::function<void(const QString&, const QString&)>& prepare);
};

} // namespace tesorin::backups
