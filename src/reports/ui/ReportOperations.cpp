#include "reports/ui/ReportOperations.h"

#include "reports/ui/imprimeInforme.h"
#include "reports/ui/panInfGra.h"
#include "reports/ui/panMensGra.h"
#include "reports/ui/panSumas.h"
#include "ui/common/OperationContext.h"

namespace tesorin::reports {

ReportOperations::ReportOperations(ui::OperationContext& context, QObject* parent)
    : QObject(parent), m_context(context) {}

void ReportOperations::muestraSumas() {
    if (!ui::requireOpenWorkArea(m_context))
        return;
    panSumas form(*m_context.state().baseAbierta, m_context.state().nombreBase,
                  m_context.parentWindow());
    form.exec();
}

void ReportOperations::muestraGraficoMensual() {
    if (!ui::requireOpenWorkArea(m_context))
        return;
    panMensGra form(*m_context.state().baseAbierta, m_context.parentWindow());
    form.exec();
}

void ReportOperations::muestraGraficoAnual() {
    if (!ui::requireOpenWorkArea(m_context))
        return;
    panInfGra form(*m_context.state().baseAbierta, m_context.parentWindow());
    form.exec();
}

void ReportOperations::imprimeInforme() {
    if (!m_context.state().baseAbierta)
        return;
    reports::imprimeInforme(m_context.parentWindow(), *m_context.state().baseAbierta,
                            m_context.state().nombreBase);
}

} // namespace tesorin::reports
