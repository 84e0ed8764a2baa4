// The chart of accounts, opened from the main window's "Cuentas" button.
#include "app/principal.h"

#include "accounts/panCuentas.h"

#include <QMessageBox>

namespace tesorin::app {

void principal::muestraCuentas() {
    if (!m_estado.baseAbierta) {
        QMessageBox::critical(this, QStringLiteral("Error"),
                              QStringLiteral("No hay ninguna caja abierta."));
        return;
    }
    accounts::panCuentas chart(*m_estado.baseAbierta, m_estado.recCuentas, this);
    chart.exec();
}

} // namespace tesorin::app
