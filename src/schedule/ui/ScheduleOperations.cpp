#include "schedule/ui/ScheduleOperations.h"

#include "schedule/ui/asentarProgramados.h"
#include "schedule/ui/panProg.h"
#include "ui/common/OperationContext.h"

namespace tesorin::schedule {

ScheduleOperations::ScheduleOperations(ui::OperationContext& context, QObject* parent)
    : QObject(parent), m_context(context) {}

void ScheduleOperations::verProgramados() {
    if (!m_context.state().baseAbierta)
        return;
    panProg form(*m_context.state().baseAbierta, m_context.state().nombreBase,
                 m_context.parentWindow());
    form.exec();
}

void ScheduleOperations::asentarProgramados() {
    if (!m_context.state().baseAbierta)
        return;
    schedule::asentarProgramados(m_context.parentWindow(), *m_context.state().baseAbierta,
                                 m_context.data1());
}

} // namespace tesorin::schedule
