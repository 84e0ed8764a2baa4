// The account statement, from the main window's "Estado de cuenta" in the
// "Informes" menu and from its button "Informes".
#include "app/principal.h"
#include "reports/imprimeInforme.h"

namespace tesorin::app {

void principal::imprimeInforme() {
    if (!m_estado.baseAbierta)
        return;
    reports::imprimeInforme(this, *m_estado.baseAbierta, m_estado.nombreBase);
}

} // namespace tesorin::app
