#include "accounts/ui/AccountOperations.h"

#include "accounts/ui/panCuentas.h"
#include "ui/common/OperationContext.h"

namespace tesorin::accounts {

AccountOperations::AccountOperations(ui::OperationContext& context, QObject* parent)
    : QObject(parent), m_context(context) {}

void AccountOperations::muestraCuentas() {
    if (!ui::requireOpenWorkArea(m_context))
        return;
    panCuentas chart(*m_context.state().baseAbierta, m_context.state().recCuentas,
                     m_context.parentWindow());
    chart.exec();
}

} // namespace tesorin::accounts
