#include "backups/core/BackupRotation.h"

namespace tesorin::backups {

QList<bool> keptBackups(const QList<QDateTime>& newestFirst, const QDate& today) {
    QList<bool> kept(newestFirst.size(), false);
    const QDate thisMonth(today.year(), today.month(), 1);
    const QDate firstKeptMonth = thisMonth.addMonths(-(kKeptMonths - 1));
    QDate lastMonthSeen;
    for (qsizetype i = 0; i < newestFirst.size(); ++i) {
        const QDate day = newestFirst[i].date();
        const QDate month(day.year(), day.month(), 1);
        const bool newestOfItsMonth = month != lastMonthSeen;
        lastMonthSeen = month;
        if (i < kKeptNewest || (newestOfItsMonth && month >= firstKeptMonth))
            kept[i] = true;
    }
    return kept;
}

} // namespace tesorin::backups
