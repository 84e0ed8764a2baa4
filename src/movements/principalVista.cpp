// The main window's view filter and search.
#include "app/Panel3D.h"
#include "app/principal.h"
#include "movements/buscarMovimiento.h"
#include "movements/filtrarDatos.h"

namespace tesorin::app {

void principal::filtrarDatos() {
    if (!m_estado.baseAbierta)
        return;
    if (const auto caption = movements::filtrarDatos(this, *m_estado.baseAbierta, m_data1))
        m_gridTitle->setCaption(*caption);
}

void principal::buscarMovimiento() {
    if (!m_estado.baseAbierta)
        return;
    movements::buscarMovimiento(this, *m_estado.baseAbierta, m_data1);
}

} // namespace tesorin::app
