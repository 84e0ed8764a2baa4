#include "profile/ui/ProfileOperations.h"

#include "profile/core/OwnerProfile.h"
#include "profile/ui/panTitular.h"
#include "store/StoreError.h"
#include "ui/common/ErrorMessage.h"
#include "ui/common/OperationContext.h"

namespace tesorin::profile {

ProfileOperations::ProfileOperations(ui::OperationContext& context, QObject* parent)
    : QObject(parent), m_context(context) {}

void ProfileOperations::datosDelTitular() {
    if (!ui::requireOpenWorkArea(m_context))
        return;
    store::Database& base = *m_context.state().baseAbierta;
    QStringList values;
    try {
        values = readOwnerProfile(base);
    } catch (const store::StoreError& failure) {
        ui::showStoreError(m_context.parentWindow(), failure);
        return;
    }
    panTitular dialog(values, m_context.parentWindow());
    dialog.exec();
    if (dialog.Tag != QLatin1String("SI"))
        return;
    try {
        saveOwnerProfile(base, dialog.values());
    } catch (const store::StoreError& failure) {
        ui::showStoreError(m_context.parentWindow(), failure);
    }
}

} // namespace tesorin::profile
