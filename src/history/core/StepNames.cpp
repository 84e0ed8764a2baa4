#include "history/core/StepNames.h"

namespace tesorin::history::steps {

QString posting(long long movements) {
    return movements == 1 ? QStringLiteral("asentar 1 movimiento programado")
                          : QStringLiteral("asentar %1 movimientos programados").arg(movements);
}

QString import(long long movements) {
    return movements == 1 ? QStringLiteral("importar 1 movimiento")
                          : QStringLiteral("importar %1 movimientos").arg(movements);
}

} // namespace tesorin::history::steps
