#include "accounts/ui/AccountOperations.h"
#include "app/principal.h"
#include "backups/ui/BackupOperations.h"
#include "exchange/ui/ExchangeOperations.h"
#include "history/ui/HistoryOperations.h"
#include "movements/ui/MovementGridEvents.h"
#include "movements/ui/MovementOperations.h"
#include "movements/ui/ViewOperations.h"
#include "profile/ui/ProfileOperations.h"
#include "reports/ui/ReportOperations.h"
#include "schedule/ui/ScheduleOperations.h"
#include "ui/common/Panel3D.h"
#include "workareas/ui/WorkAreaOperations.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>

namespace tesorin::app {

using ui::Panel3D;

// Creates the features' operations and says what each menu item, button and
// the work-area panel runs. An operation joins here when it is built; until
// then its item or button stays disabled.
void principal::conectaAcciones() {
    auto* movimientos = new movements::MovementOperations(*this, this);
    setMenuHandler(QStringLiteral("menuMovIngreso"),
                   [movimientos] { movimientos->nuevoIngreso(); });
    setMenuHandler(QStringLiteral("menuMovPago"), [movimientos] { movimientos->nuevoPago(); });
    setMenuHandler(QStringLiteral("menuMovBorrar"), [movimientos] { movimientos->borraMov(); });
    setButtonAction(0, [movimientos] { movimientos->nuevoIngreso(); });
    setButtonAction(1, [movimientos] { movimientos->nuevoPago(); });
    setButtonAction(2, [movimientos] { movimientos->borraMov(); });
    new movements::MovementGridEvents(
        *m_grid, [movimientos] { movimientos->MSFlexGrid1_DblClick(); },
        [movimientos] { movimientos->borraMov(); });

    auto* cuentas = new accounts::AccountOperations(*this, this);
    setButtonAction(6, [cuentas] { cuentas->muestraCuentas(); });

    // "Salir" ends the program at once: no window is asked to close first.
    setMenuHandler(QStringLiteral("menuArcSalir"), [] { QCoreApplication::exit(0); });
    setMenuHandler(QStringLiteral("menuCopiarRegistro"), [this] { copiarRegistro(); });
    setMenuHandler(QStringLiteral("menuAyuAcerca"), [this] { muestraAcercaDe(); });

    auto* historial = new history::HistoryOperations(*this, this);
    setMenuHandler(QStringLiteral("menuDeshacer"), [historial] { historial->deshacer(); });
    setMenuHandler(QStringLiteral("menuRehacer"), [historial] { historial->rehacer(); });
    m_history = historial;
    // Steps come and go with every change, refresh and switch of work area;
    // the items follow whenever the view runs again, the window comes back
    // from a dialog and the menu opens.
    connect(menuBar()->findChild<QMenu*>(QStringLiteral("menuEdicion")), &QMenu::aboutToShow, this,
            &principal::updateHistoryItems);
    connect(&m_data1, &store::DataControl::rowsReset, this, &principal::updateHistoryItems);

    auto* vista = new movements::ViewOperations(*this, this);
    setButtonAction(3, [vista] { vista->filtrarDatos(); });
    connect(DBGrid1(), &Panel3D::doubleClicked, this, [vista] { vista->filtrarDatos(); });
    setMenuHandler(QStringLiteral("menuMovBuscar"), [vista] { vista->buscarMovimiento(); });
    setMenuHandler(QStringLiteral("menuBuscaReg"), [vista] { vista->buscarMovimiento(); });

    auto* programados = new schedule::ScheduleOperations(*this, this);
    setMenuHandler(QStringLiteral("menuMovProgramados"),
                   [programados] { programados->verProgramados(); });
    auto* copias = new backups::BackupOperations(*this, this);
    setMenuHandler(QStringLiteral("menuArcRestaurar"), [copias] { copias->restaurarCopia(); });
    historial->setWorkAreaReplacement([copias](const history::HistoryStep& step, bool undo) {
        return copias->putBackRestore(step, undo);
    });
    m_afterOpening = [copias, programados] {
        copias->copiaAlAbrir();
        programados->asentarProgramados();
    };

    auto* cajas = new workareas::WorkAreaOperations(*this, this);
    setMenuHandler(QStringLiteral("menuArcNueva"), [cajas] { cajas->nuevaCaja(); });
    setMenuHandler(QStringLiteral("menuArcCierra"), [cajas] { cajas->cerrarCaja(); });
    setMenuHandler(QStringLiteral("menuArcAbrir"), [cajas] { cajas->abrirCaja(); });
    setWorkAreaPanelAction([cajas] { cajas->eligeCaja(); });

    auto* titular = new profile::ProfileOperations(*this, this);
    setMenuHandler(QStringLiteral("menuArcTitular"), [titular] { titular->datosDelTitular(); });

    auto* intercambio = new exchange::ExchangeOperations(*this, this);
    setMenuHandler(QStringLiteral("menuArcImportar"),
                   [intercambio] { intercambio->importarMovimientos(); });
    setMenuHandler(QStringLiteral("menuArcExportar"),
                   [intercambio] { intercambio->exportarMovimientos(); });

    auto* informes = new reports::ReportOperations(*this, this);
    setMenuHandler(QStringLiteral("menuInfSumas"), [informes] { informes->muestraSumas(); });
    setMenuHandler(QStringLiteral("menuInfMens"),
                   [informes] { informes->muestraGraficoMensual(); });
    setMenuHandler(QStringLiteral("menuInfGraficoCta"),
                   [informes] { informes->muestraGraficoAnual(); });
    setButtonAction(5, [informes] { informes->muestraGraficoAnual(); });
    setMenuHandler(QStringLiteral("menuInfEstado"), [informes] { informes->imprimeInforme(); });
    setButtonAction(4, [informes] { informes->imprimeInforme(); });
}

} // namespace tesorin::app
