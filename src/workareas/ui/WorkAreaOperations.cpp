#include "workareas/ui/WorkAreaOperations.h"

#include "backups/ui/BackupQuestion.h"
#include "oldworkareas/core/JetFile.h"
#include "oldworkareas/ui/OldWorkAreaOffer.h"
#include "store/StoreError.h"
#include "store/WorkAreaFolder.h"
#include "workareas/core/ProgramState.h"
#include "workareas/core/WorkAreaCopy.h"
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

} // namespace

WorkAreaOperations::WorkAreaOperations(WorkAreaWindow& window, QObject* parent)
    : QObject(parent), m_window(window) {}

void WorkAreaOperations::nuevaCaja() {
    ProgramState& estado = m_window.state();
    panNueCaja dialog(m_window.parentWindow());
    dialog.exec();
    if (dialog.Tag != QLatin1String("SI") ||
        !backups::backupBeforeChange(m_window.parentWindow(), kTemplate))
        return;
    estado.nombreBase = newWorkAreaFileName(dialog.Text1->text());
    const bool switched = cambiaDeCaja(WorkAreaSwitch::New, [this, &estado] {
        closeWorkAreaConnections(estado.baseAbierta, m_window.data1());
        createWorkAreaCopy(kTemplate, estado.nombreBase);
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
    ProgramState& estado = m_window.state();
    panAbreBase dialog(m_window.parentWindow());
    dialog.exec();
    if (dialog.Tag != QLatin1String("SI") ||
        !readyToOpen(m_window.parentWindow(), dialog.selectedName()))
        return;
    estado.nombreBase = dialog.selectedName();
    const bool switched = cambiaDeCaja(WorkAreaSwitch::Open, [this, &estado] {
        openWorkAreaConnections(estado.nombreBase, estado.baseAbierta, m_window.data1());
    });
    if (!switched)
        return;
    m_window.setButtonsEnabled(true);
    m_window.parentWindow()->setWindowTitle(
        workAreaWindowCaption(WorkAreaSwitch::Open, estado.nombreBase));
    m_window.workAreaOpened();
}

void WorkAreaOperations::eligeCaja() {
    ProgramState& estado = m_window.state();
    panselCuenta dialog(m_window.parentWindow());
    dialog.exec();
    if (dialog.Tag != QLatin1String("SI") ||
        !readyToOpen(m_window.parentWindow(), dialog.selectedName()))
        return;
    estado.nombreBase = dialog.selectedName();
    m_window.setWorkAreaPanelCaption(workAreaPanelCaption(estado.nombreBase));
    const bool switched = cambiaDeCaja(WorkAreaSwitch::Choose, [this, &estado] {
        openWorkAreaConnections(estado.nombreBase, estado.baseAbierta, m_window.data1());
    });
    // The buttons keep their state: after a close they stay disabled until a
    // work area is created or opened from the menu.
    if (!switched)
        return;
    m_window.parentWindow()->setWindowTitle(
        workAreaWindowCaption(WorkAreaSwitch::Choose, estado.nombreBase));
    m_window.workAreaOpened();
}

void WorkAreaOperations::cerrarCaja() {
    m_window.data1().setDatabaseName(QString());
    m_window.showNoWorkArea();
}

bool WorkAreaOperations::cambiaDeCaja(WorkAreaSwitch how, const std::function<void()>& cambia) {
    ProgramState& estado = m_window.state();
    // The shared recordsets read the database about to be closed.
    estado.recCuentas.reset();
    estado.recMovimientos.reset();
    try {
        cambia();
    } catch (const store::StoreError& failure) {
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
    m_window.showWorkAreaOpen();
    return true;
}

} // namespace tesorin::workareas
