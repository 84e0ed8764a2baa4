#include "app/Panel3D.h"
#include "app/principal.h"

#include <QCoreApplication>

namespace tesorin::app {

// What each menu item, button and the work-area panel runs. An operation
// joins here when it is built; until then its item or button stays disabled.
void principal::conectaAcciones() {
    conectaMovimientos();
    setButtonAction(6, [this] { muestraCuentas(); });
    // "Salir" ends the program at once: no window is asked to close first.
    setMenuHandler(QStringLiteral("menuArcSalir"), [] { QCoreApplication::exit(0); });
    setMenuHandler(QStringLiteral("menuCopiarRegistro"), [this] { copiarRegistro(); });
    setMenuHandler(QStringLiteral("menuDeshacer"), [this] { m_estado.espacioTrabajo.Rollback(); });
    setMenuHandler(QStringLiteral("menuAyuAcerca"), [this] { muestraAcercaDe(); });
    setButtonAction(3, [this] { filtrarDatos(); });
    connect(DBGrid1(), &Panel3D::doubleClicked, this, [this] { filtrarDatos(); });
    setMenuHandler(QStringLiteral("menuMovBuscar"), [this] { buscarMovimiento(); });
    setMenuHandler(QStringLiteral("menuBuscaReg"), [this] { buscarMovimiento(); });
    setMenuHandler(QStringLiteral("menuMovProgramados"), [this] { verProgramados(); });
    setMenuHandler(QStringLiteral("menuArcNueva"), [this] { nuevaCaja(); });
    setMenuHandler(QStringLiteral("menuArcCierra"), [this] { cerrarCaja(); });
    setMenuHandler(QStringLiteral("menuArcAbrir"), [this] { abrirCaja(); });
    setMenuHandler(QStringLiteral("menuInfSumas"), [this] { muestraSumas(); });
    setMenuHandler(QStringLiteral("menuInfMens"), [this] { muestraGraficoMensual(); });
    setMenuHandler(QStringLiteral("menuInfGraficoCta"), [this] { muestraGraficoAnual(); });
    setButtonAction(5, [this] { muestraGraficoAnual(); });
    setMenuHandler(QStringLiteral("menuInfEstado"), [this] { imprimeInforme(); });
    setButtonAction(4, [this] { imprimeInforme(); });
    setWorkAreaPanelAction([this] { eligeCaja(); });
}

} // namespace tesorin::app
