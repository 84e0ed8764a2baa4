#include "movements/core/ViewPosition.h"

#include "store/DataControl.h"
#include "store/Recordset.h"

#include <algorithm>

namespace tesorin::movements {

void showRowAt(store::DataControl& data, long position) {
    const long rows = data.rowCount();
    if (rows > 0)
        data.setCurrentRow(std::clamp(position, 0L, rows - 1));
}

void showMovement(store::DataControl& data, const QString& idText, long position) {
    store::Recordset* rows = data.recordset();
    if (!rows || rows->RecordCount() == 0)
        return;
    rows->FindFirst(QStringLiteral("idMovimiento = ") + idText);
    if (rows->NoMatch())
        showRowAt(data, position);
}

} // namespace tesorin::movements
