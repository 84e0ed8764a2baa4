#include "movements/core/BalancePanel.h"

#include "base/Money.h"
#include "base/Regional.h"
#include "store/DataControl.h"
#include "store/StoreError.h"

namespace tesorin::movements {

QString totalsResetText() {
    return QStringLiteral("$ 0.00");
}

BalancePanel computeBalancePanel(store::DataControl& data) {
    BalancePanel panel;
    panel.hasCurrentRow = data.hasCurrentRow();
    const QString zero = regional::currency(Money());
    panel.saldo = panel.ingresos = panel.egresos = zero;
    if (!panel.hasCurrentRow)
        return panel;
    try {
        const store::DataControl::Totals totals = data.viewTotals();
        const MoneySum balance = totals.income - totals.expense;
        panel.ingresos = regional::currency(totals.income);
        panel.egresos = regional::currency(totals.expense);
        panel.saldo = regional::currency(balance);
    } catch (const store::StoreError& failure) {
        panel.error = failure.message();
    } catch (const MoneyOutOfRange&) {
        panel.error = QStringLiteral("El saldo de los movimientos listados supera el importe "
                                     "máximo que se puede sumar.");
    }
    if (!panel.error.isEmpty())
        panel.saldo = panel.ingresos = panel.egresos = QString();
    return panel;
}

} // namespace tesorin::movements
