#pragma once

#include "backups/core/WorkAreaRestore.h"

#include <QObject>

#include <optional>

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

private:
    workareas::WorkAreaWindow& m_window;
};

} // namespace tesorin::backups
