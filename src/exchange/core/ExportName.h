#pragma once

#include <QDate>
#include <QString>

namespace tesorin::exchange {

// "movimientos-<caja>-<fecha>.csv": the work area's name without ".MDB", in
// lower case, and the day as yyyy-mm-dd, so the names sort by date.
QString proposedExportName(const QString& workAreaName, const QDate& day);

} // namespace tesorin::exchange
