#include "history/core/StepNames.h"

#include "base/Regional.h"

namespace tesorin::history::steps {

namespace {

// A count as the user reads numbers: "100.000" in es_AR.
QString countText(long long count) {
    return regional::locale().toString(qlonglong(count));
}

} // namespace

QString posting(long long movements) {
    return movements == 1
               ? QStringLiteral("asentar 1 movimiento programado")
               : QStringLiteral("asentar %1 movimientos programados").arg(countText(movements));
}

QString import(long long movements) {
    return movements == 1 ? QStringLiteral("importar 1 movimiento")
                          : QStringLiteral("importar %1 movimientos").arg(countText(movements));
}

} // namespace tesorin::history::steps
