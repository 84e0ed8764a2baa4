#include "exchange/core/ExportName.h"

namespace tesorin::exchange {

QString proposedExportName(const QString& workAreaName, const QDate& day) {
    QString area = workAreaName.trimmed();
    if (area.endsWith(QLatin1String(".MDB"), Qt::CaseInsensitive))
        area.chop(4);
    area = area.toLower().replace(u' ', u'-');
    return QStringLiteral("movimientos-%1-%2.csv")
        .arg(area.isEmpty() ? QStringLiteral("caja") : area, day.toString(Qt::ISODate));
}

} // namespace tesorin::exchange
