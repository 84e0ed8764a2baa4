// The main window's scheduled-movement operations: the schedule list, and
// posting what falls due after a work area is opened.
#include "app/principal.h"
#include "schedule/asentarProgramados.h"
#include "schedule/panProg.h"

namespace tesorin::app {

void principal::verProgramados() {
    if (!m_estado.baseAbierta)
        return;
    schedule::panProg form(*m_estado.baseAbierta, m_estado.nombreBase, this);
    form.exec();
}

void principal::asentarProgramados() {
    if (!m_estado.baseAbierta)
        return;
    schedule::asentarProgramados(this, *m_estado.baseAbierta, m_data1);
}

} // namespace tesorin::app
