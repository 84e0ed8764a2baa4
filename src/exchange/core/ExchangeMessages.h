#pragma once

#include "exchange/core/ImportPlan.h"

#include <QString>

namespace tesorin::exchange {

// "1 movimiento", "1.234 movimientos": the count in the regional form and
// the noun in singular or plural.
QString countOf(qsizetype count, const QString& singular, const QString& plural);

// "Se guardaron 3 movimientos en «BASE.MDB»; se omitió 1 posible duplicado."
QString importDoneText(const ImportOutcome& outcome, const QString& workArea);

// "Se exportó 1 movimiento a «vista.csv»."
QString exportDoneText(qsizetype written, const QString& fileName);

// "2 filas no se pueden leer": the rows of a statement that do not read.
QString unreadableRowsText(qsizetype count);

// The import dialog's line under the rows: "4 filas: 1 se importará, 2 posibles
// duplicados, 1 no se puede leer."
QString importSummaryText(qsizetype rows, qsizetype ticked, qsizetype duplicates,
                          qsizetype unreadable);

} // namespace tesorin::exchange
