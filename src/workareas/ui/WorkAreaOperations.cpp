#include "workareas/ui/WorkAreaOperations.h"

#include "backups/ui/BackupQuestion.h"
#include "oldworkareas/core/JetFile.h"
#include "oldworkareas/ui/OldWorkAreaOffer.h"
#include "store/StoreError.h"
#include "store/WorkAreaFolder.h"
#include "ui/common/MessageBoxes.h"
#include "workareas/core/NewWorkArea.h"
#include "workareas/core/ProgramState.h"
#include "workareas/core/StrandedWorkAreas.h"
#include "workareas/core/WorkAreaLock.h"
#include "workareas/core/WorkAreaName.h"
#include "workareas/core/WorkAreaSwitch.h"
#include "workareas/ui/panAbreBase.h"
#include "workareas/ui/panNueCaja.h"
#include "workareas/ui/panselCuenta.h"

#include <QLineEdit>
#include <QMessageBox>

namespace tesorin::workareas {

namespace {

const QString kTemplate = QStringLiteral("BASE.MDB");

// A work area of the program Tesorin replaces is converted first, when the
// user agrees; false leaves the current work area as it is.
bool readyToOpen(QWidget* parent, const QString& name) {
    const QString path = store::resolveWorkArea(name);
    return !oldworkareas::isOldWorkArea(path) ||
           oldworkareas::offerOldWorkAreaConversion(parent, path);
}

// This copy's lock on the work area name: the one it holds when name is its
// current work area, else a new one; null, after the message, when another
// copy of the program has name open.
std::shared_ptr<WorkAreaLock> lockToOpen(QWidget* parent, const ProgramState& estado,
                                         const QString& name) {
    const QString path = store::resolveWorkArea(name);
    if (estado.bloqueo && estado.bloqueo->covers(path))
        return estado.bloqueo;
    std::shared_ptr<WorkAreaLock> lock = WorkAreaLock::take(path);
    if (!lock)
        ui::MessageBoxes::warning(parent, QStringLiteral("Tesorin"), lockedWorkAreaMessage(name));
    return lock;
}

} // namespace

WorkAreaOperations::WorkAreaOperations(WorkAreaWindow& window, QObject* parent)
    : QObject(parent), m_window(window) {}

void WorkAreaOperations::nuevaCaja() {
    ProgramState& estado = m_window.state();
    if (store::workAreasReadOnly()) {
        ui::MessageBoxes::warning(m_window.parentWindow(), QStringLiteral("Tesorin"),
                                  readOnlyFolderRefusal());
        return;
    }
    panNueCaja dialog(m_window.parentWindow());
    dialog.exec();
    // A template that is not copied is not read either: nothing to keep a
    // copy of.
    if (dialog.Tag != QLatin1String("SI") ||
        (copiesTemplate(kTemplate) &&
         !backups::backupBeforeChange(m_window.parentWindow(), kTemplate)))
        return;
    // Held while the file is made, so that no other copy makes the same name
    // and what a crash leaves of it is known to be nobody's.
    const QString name = newWorkAreaFileName(dialog.Text1->text());
    auto lock = lockToOpen(m_window.parentWindow(), estado, name);
    if (!lock)
        return;
    estado.nombreBase = name;
    const bool switched = cambiaDeCaja(WorkAreaSwitch::New, lock, [this, &estado] {
        closeWorkAreaConnections(estado.baseAbierta, m_window.data1());
        createNewWorkArea(kTemplate, estado.nombreBase);
        openWorkAreaConnections(estado.nombreBase, estado.baseAbierta, m_window.data1());
    });
    if (!switched)
        return;
    m_window.setButtonsEnabled(true);
    m_window.parentWindow()->setWindowTitle(
        workAreaWindowCaption(WorkAreaSwitch::New, estado.nombreBase));
    m_window.workAreaOpened();
}

void WorkAreaOperations::abrirCaja() {
    panAbreBase dialog(m_window.parentWindow());
    dialog.exec();
    if (dialog.Tag != QLatin1String("SI") ||
        !switchToChosen(WorkAreaSwitch::Open, dialog.selectedName()))
        return;
    m_window.setButtonsEnabled(true);
    m_window.parentWindow()->setWindowTitle(
        workAreaWindowCaption(WorkAreaSwitch::Open, m_window.state().nombreBase));
    m_window.workAreaOpened();
}

void WorkAreaOperations::eligeCaja() {
    panselCuenta dialog(m_window.parentWindow());
    dialog.exec();
    // The buttons keep their state: after a close they stay disabled until a
    // work area is created or opened from the menu.
    if (dialog.Tag != QLatin1String("SI") ||
        !switchToChosen(WorkAreaSwitch::Choose, dialog.selectedName()))
        return;
    m_window.parentWindow()->setWindowTitle(
        workAreaWindowCaption(WorkAreaSwitch::Choose, m_window.state().nombreBase));
    m_window.workAreaOpened();
}

bool WorkAreaOperations::switchToChosen(WorkAreaSwitch how, const QString& name) {
    ProgramState& estado = m_window.state();
    // Taken before a conversion, so that only this copy converts the file.
    auto lock = lockToOpen(m_window.parentWindow(), estado, name);
    if (!lock || !readyToOpen(m_window.parentWindow(), name))
        return false;
    estado.nombreBase = name;
    if (how == WorkAreaSwitch::Choose)
        m_window.setWorkAreaPanelCaption(workAreaPanelCaption(name));
    return cambiaDeCaja(how, lock, [this, &estado] {
        openWorkAreaConnections(estado.nombreBase, estado.baseAbierta, m_window.data1());
    });
}

void WorkAreaOperations::cerrarCaja() {
    ProgramState& estado = m_window.state();
    estado.recCuentas.reset();
    estado.recMovimientos.reset();
    // Another copy of the program may open the work area once it is closed.
    closeWorkAreaConnections(estado.baseAbierta, m_window.data1());
    estado.bloqueo.reset();
    m_window.data1().setDatabaseName(QString());
    m_window.showNoWorkArea();
}

bool WorkAreaOperations::cambiaDeCaja(WorkAreaSwitch how, std::shared_ptr<WorkAreaLock> lock,
                                      const std::function<void()>& cambia) {
    ProgramState& estado = m_window.state();
    // The shared recordsets read the database about to be closed.
    estado.recCuentas.reset();
    estado.recMovimientos.reset();
    try {
        cambia();
    } catch (const store::StoreError& failure) {
        estado.bloqueo.reset();
        // Nothing may act on the connections while the program ends.
        m_window.showNoWorkArea();
        QMessageBox box(QMessageBox::Critical, switchFailureTitle(how),
                        switchFailureText(how, estado.nombreBase), QMessageBox::Ok,
                        m_window.parentWindow());
        box.setInformativeText(failure.message());
        box.exec();
        m_window.endProgram();
        return false;
    }
    estado.bloqueo = std::move(lock);
    m_window.showWorkAreaOpen();
    return true;
}

} // namespace tesorin::workareas
