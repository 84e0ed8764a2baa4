#pragma once

#include <QString>

namespace tesorin::store {
class DataControl;
}

namespace tesorin::movements {

// What the totals box and the menu items that need a current movement show
// after the main data control moves.
struct BalancePanel {
    // "Borrar movimiento" and "Buscar movimiento" are usable.
    bool hasCurrentRow = false;
    QString saldo;
    QString ingresos;
    QString egresos;
    // Set when the view's sums cannot be had (beyond what 64 bits of
    // ten-thousandths count, or the store failed); the three labels are then left empty rather than
    // showing a total that is not true.
    QString error;
};

// The texts the three value labels show before the first computation and
// after a work area is closed.
QString totalsResetText();

// Income, expense and balance over every row of the data control's view, in
// the currency format. The sums come from the control's cached totals, so a
// move of the current row never reads the view again.
BalancePanel computeBalancePanel(store::DataControl& data);

} // namespace tesorin::movements
