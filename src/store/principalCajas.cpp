// The work-area operations of the main window: new, open, choose and close.
#include "app/Panel3D.h"
#include "app/principal.h"
#include "store/StoreError.h"
#include "store/WorkAreaCopy.h"
#include "store/WorkAreaName.h"
#include "store/WorkAreaSwitch.h"
#include "store/panAbreBase.h"
#include "store/panNueCaja.h"
#include "store/panselCuenta.h"

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTableView>

namespace tesorin::app {

namespace {

const QString kTemplate = QStringLiteral("BASE.MDB");

// The menus whose every item reads the work area; they are unusable while
// none is open. Disabling the menu leaves its items' own states alone.
const char* const kWorkAreaMenus[] = {"menuEdicion", "menuMovimientos", "menuInformes"};

} // namespace

void principal::nuevaCaja() {
    store::panNueCaja dialog(this);
    dialog.exec();
    if (dialog.Tag != QLatin1String("SI"))
        return;
    m_estado.nombreBase = store::newWorkAreaFileName(dialog.Text1->text());
    const bool switched = cambiaDeCaja(store::WorkAreaSwitch::New, [this] {
        store::closeWorkAreaConnections(m_estado.baseAbierta, m_data1);
        store::createWorkAreaCopy(kTemplate, m_estado.nombreBase);
        store::openWorkAreaConnections(m_estado.nombreBase, m_estado.baseAbierta, m_data1);
    });
    if (!switched)
        return;
    setButtonsEnabled(true);
    setWindowTitle(store::workAreaWindowCaption(store::WorkAreaSwitch::New, m_estado.nombreBase));
    asentarProgramados();
}

void principal::abrirCaja() {
    store::panAbreBase dialog(this);
    dialog.exec();
    if (dialog.Tag != QLatin1String("SI"))
        return;
    m_estado.nombreBase = dialog.selectedName();
    const bool switched = cambiaDeCaja(store::WorkAreaSwitch::Open, [this] {
        store::openWorkAreaConnections(m_estado.nombreBase, m_estado.baseAbierta, m_data1);
    });
    if (!switched)
        return;
    setButtonsEnabled(true);
    setWindowTitle(store::workAreaWindowCaption(store::WorkAreaSwitch::Open, m_estado.nombreBase));
    asentarProgramados();
}

void principal::eligeCaja() {
    store::panselCuenta dialog(this);
    dialog.exec();
    if (dialog.Tag != QLatin1String("SI"))
        return;
    m_estado.nombreBase = dialog.selectedName();
    m_workAreaPanel->setCaption(store::workAreaPanelCaption(m_estado.nombreBase));
    const bool switched = cambiaDeCaja(store::WorkAreaSwitch::Choose, [this] {
        store::openWorkAreaConnections(m_estado.nombreBase, m_estado.baseAbierta, m_data1);
    });
    // The buttons keep their state: after a close they stay disabled until a
    // work area is created or opened from the menu.
    if (!switched)
        return;
    setWindowTitle(
        store::workAreaWindowCaption(store::WorkAreaSwitch::Choose, m_estado.nombreBase));
    asentarProgramados();
}

void principal::cerrarCaja() {
    m_data1.setDatabaseName(QString());
    muestraSinCaja();
}

bool principal::cambiaDeCaja(store::WorkAreaSwitch how, const std::function<void()>& cambia) {
    // The shared recordsets read the database about to be closed.
    m_estado.recCuentas.reset();
    m_estado.recMovimientos.reset();
    try {
        cambia();
    } catch (const store::StoreError& failure) {
        // Nothing may act on the connections while the program ends.
        muestraSinCaja();
        QMessageBox box(QMessageBox::Critical, store::switchFailureTitle(how),
                        store::switchFailureText(how, m_estado.nombreBase), QMessageBox::Ok, this);
        box.setInformativeText(failure.message());
        box.exec();
        if (m_programEnd)
            m_programEnd();
        else
            QCoreApplication::exit(1);
        return false;
    }
    muestraCajaAbierta();
    return true;
}

void principal::muestraCajaAbierta() {
    m_grid->show();
    m_gridTitle->setEnabled(true);
    // A new work area has no rows to clear the message of a close.
    m_bottomPanel->setCaption(QString());
    setWorkAreaMenusEnabled(true);
}

void principal::muestraSinCaja() {
    m_grid->hide();
    // The title's double-click opens the view filter, which reads the work area.
    m_gridTitle->setEnabled(false);
    m_bottomPanel->setCaption(store::closedWorkAreaMessage());
    setWindowTitle(store::closedWorkAreaWindowCaption());
    setButtonsEnabled(false);
    resetTotals();
    setWorkAreaMenusEnabled(false);
}

void principal::setWorkAreaMenusEnabled(bool enabled) {
    for (const char* name : kWorkAreaMenus)
        menuBar()->findChild<QMenu*>(QString::fromLatin1(name))->menuAction()->setEnabled(enabled);
    menuItem(QStringLiteral("menuArcCierra"))->setEnabled(enabled);
}

void principal::setProgramEnd(std::function<void()> end) {
    m_programEnd = std::move(end);
}

} // namespace tesorin::app
