// Sums and balances and the two charts, opened from the main window's
// "Informes" menu and, the annual chart, from its "Resúmen" button.
#include "app/principal.h"

#include "reports/panInfGra.h"
#include "reports/panMensGra.h"
#include "reports/panSumas.h"

#include <QMessageBox>

namespace tesorin::app {

namespace {

bool hayCaja(principal& window, const ProgramState& estado) {
    if (estado.baseAbierta)
        return true;
    QMessageBox::critical(&window, QStringLiteral("Error"),
                          QStringLiteral("No hay ninguna caja abierta."));
    return false;
}

} // namespace

void principal::muestraSumas() {
    if (!hayCaja(*this, m_estado))
        return;
    reports::panSumas form(*m_estado.baseAbierta, m_estado.nombreBase, this);
    form.exec();
}

void principal::muestraGraficoMensual() {
    if (!hayCaja(*this, m_estado))
        return;
    reports::panMensGra form(*m_estado.baseAbierta, this);
    form.exec();
}

void principal::muestraGraficoAnual() {
    if (!hayCaja(*this, m_estado))
        return;
    reports::panInfGra form(*m_estado.baseAbierta, this);
    form.exec();
}

} // namespace tesorin::app
