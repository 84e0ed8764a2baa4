#include "movements/ui/buscarMovimiento.h"

#include "movements/core/MovementSearch.h"
#include "movements/ui/panBuscar.h"
#include "store/StoreError.h"
#include "ui/common/MessageBoxes.h"

#include <QMessageBox>

namespace tesorin::movements {

void buscarMovimiento(QWidget* parent, store::Database& baseAbierta, store::DataControl& Data1) {
    SearchChoice chosen;
    {
        panBuscar dialog(baseAbierta, parent);
        dialog.exec();
        if (dialog.Tag != QLatin1String("SI"))
            return;
        chosen = dialog.choice();
    }
    try {
        if (!findMovement(Data1, searchCriteria(chosen), chosen.start))
            ui::MessageBoxes::critical(parent, QStringLiteral("E r r o r"),
                                       QStringLiteral("Criterio de búsqueda no encotrado"));
    } catch (const store::StoreError& error) {
        ui::MessageBoxes::critical(parent, QStringLiteral("Error"), error.message());
    }
}

} // namespace tesorin::movements
