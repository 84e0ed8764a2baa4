#include "ui/common/OperationContext.h"

#include "ui/common/ErrorMessage.h"

namespace tesorin::ui {

bool requireOpenWorkArea(OperationContext& context) {
    if (context.state().baseAbierta)
        return true;
    showError(context.parentWindow(), QStringLiteral("No hay ninguna caja abierta."));
    return false;
}

} // namespace tesorin::ui
