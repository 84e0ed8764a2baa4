#include "movements/ui/filtrarDatos.h"

#include "movements/core/ViewFilter.h"
#include "movements/ui/panOpcVer.h"
#include "store/StoreError.h"
#include "ui/common/MessageBoxes.h"

#include <QMessageBox>

namespace tesorin::movements {

std::optional<QString> filtrarDatos(QWidget* parent, store::Database& baseAbierta,
                                    store::DataControl& Data1) {
    ViewChoice chosen;
    {
        panOpcVer dialog(baseAbierta, parent);
        dialog.exec();
        if (dialog.Tag != QLatin1String("SI"))
            return std::nullopt;
        chosen = dialog.choice();
    }
    try {
        showView(Data1, viewRowSource(chosen));
    } catch (const store::StoreError& error) {
        ui::MessageBoxes::critical(parent, QStringLiteral("Error"), error.message());
        return std::nullopt;
    }
    return viewCaption(chosen);
}

} // namespace tesorin::movements
