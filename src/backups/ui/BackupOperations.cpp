#include "backups/ui/BackupOperations.h"

#include "backups/core/BackupSummary.h"
#include "backups/ui/BackupQuestion.h"
#include "backups/ui/panRestaurar.h"
#include "history/core/RestoreSteps.h"
#include "history/core/UndoHistory.h"
#include "store/StoreError.h"
#include "ui/common/ErrorMessage.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/WaitCursor.h"
#include "workareas/core/ProgramState.h"
#include "workareas/core/WorkAreaSwitch.h"
#include "workareas/ui/WorkAreaOperations.h"

namespace tesorin::backups {

BackupOperations::BackupOperations(workareas::WorkAreaWindow& window, QObject* parent)
    : QObject(parent), m_window(window) {}

std::optional<RestoreStep> BackupOperations::restaurarCopia() {
    if (!ui::requireOpenWorkArea(m_window))
        return std::nullopt;
    workareas::ProgramState& estado = m_window.state();
    QWidget* parent = m_window.parentWindow();
    const QString name = estado.nombreBase;
    QList<BackupSummary> copies;
    {
        ui::WaitCursor wait;
        copies = summarizeBackups(name);
    }
    panRestaurar dialog(name, copies, parent);
    dialog.exec();
    if (dialog.Tag != QLatin1String("SI"))
        return std::nullopt;
    const BackupFile& chosen = copies[dialog.chosenIndex()].file;
    const auto answer = ui::MessageBoxes::ask(
        parent, QStringLiteral("Restaurar copia de seguridad"),
        QStringLiteral("¿Reemplazar la caja %1 por la copia del %2?\n\nAntes se hace una copia "
                       "del estado actual de la caja.")
            .arg(name, backupMomentText(chosen.taken)),
        ui::MessageBoxes::Buttons(QMessageBox::Yes | QMessageBox::No), QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return std::nullopt;
    return replaceWorkArea(chosen.path, [&name](const QString& staged, const QString& before) {
        // Without a copy of the state before, there is nothing to go back to.
        if (!before.isEmpty())
            history::recordRestore(staged, name, before);
    });
}

bool BackupOperations::putBackRestore(const history::HistoryStep& step, bool undo) {
    if (!ui::requireOpenWorkArea(m_window))
        return false;
    const QString name = m_window.state().nombreBase;
    const auto done =
        replaceWorkArea(step.copy, [undo, &name](const QString& staged, const QString& current) {
            if (current.isEmpty())
                return;
            if (undo)
                history::recordUndoneRestore(staged, name, current);
            else
                history::renewRestore(staged, name, current);
        });
    return done.has_value();
}

std::optional<RestoreStep> BackupOperations::replaceWorkArea(
    const QString& copyPath, const std::function<void(const QString&, const QString&)>& prepare) {
    workareas::ProgramState& estado = m_window.state();
    QWidget* parent = m_window.parentWindow();
    const QString name = estado.nombreBase;
    RestoreHooks hooks;
    hooks.copyCurrentState = [parent, &name] { return copyBeforeChange(parent, name); };
    hooks.prepareStaged = prepare;
    hooks.closeConnections = [&estado, this] {
        // The shared recordsets read the database about to be closed.
        estado.recCuentas.reset();
        estado.recMovimientos.reset();
        workareas::closeWorkAreaConnections(estado.baseAbierta, m_window.data1());
    };
    hooks.openConnections = [&estado, &name, this] {
        workareas::openWorkAreaConnections(name, estado.baseAbierta, m_window.data1());
    };
    try {
        return restoreBackup(name, copyPath, hooks);
    } catch (const store::StoreError& failure) {
        // Connections that could not be opened again leave no work area.
        if (!estado.baseAbierta)
            m_window.showNoWorkArea();
        ui::showStoreError(parent, failure);
    }
    return std::nullopt;
}

void BackupOperations::copiaAlAbrir() {
    if (m_window.state().baseAbierta)
        backupOnOpening(m_window.parentWindow(), m_window.state().nombreBase);
}

} // namespace tesorin::backups
