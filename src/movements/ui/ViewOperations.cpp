#include "movements/ui/ViewOperations.h"

#include "movements/ui/buscarMovimiento.h"
#include "movements/ui/filtrarDatos.h"
#include "ui/common/OperationContext.h"

namespace tesorin::movements {

ViewOperations::ViewOperations(ui::OperationContext& context, QObject* parent)
    : QObject(parent), m_context(context) {}

void ViewOperations::filtrarDatos() {
    if (!m_context.state().baseAbierta)
        return;
    if (const auto caption = movements::filtrarDatos(
            m_context.parentWindow(), *m_context.state().baseAbierta, m_context.data1()))
        m_context.setGridCaption(*caption);
}

void ViewOperations::buscarMovimiento() {
    if (!m_context.state().baseAbierta)
        return;
    movements::buscarMovimiento(m_context.parentWindow(), *m_context.state().baseAbierta,
                                m_context.data1());
}

} // namespace tesorin::movements
