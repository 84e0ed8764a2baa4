#include "reports/core/DateRangeScan.h"

#include "store/Database.h"

#include <algorithm>

namespace tesorin::reports {

namespace {

// Fetching a row through the index costs about as much as scanning 25 rows
// of the table in order, so a range above a 25th of the table is scanned.
constexpr qint64 kScanShare = 25;
// Below this many rows either way takes no time; the index is used.
constexpr qint64 kSmallRange = 256;

bool isWide(store::Database& db, const QString& first, const QString& last) {
    store::Statement size = db.prepare(QStringLiteral("SELECT max(rowid) FROM Movimientos"));
    if (!size.step() || size.isNull(0))
        return false;
    const qint64 threshold = std::max(size.int64(0) / kScanShare, kSmallRange);
    // Counting stops at the threshold, so this reads at most that many index entries.
    store::Statement count =
        db.prepare(QStringLiteral("SELECT count(*) FROM (SELECT 1 FROM Movimientos WHERE Fecha >= "
                                  "?1 AND Fecha <= ?2 LIMIT ?3)"));
    count.bindText(1, first).bindText(2, last).bindInt64(3, threshold);
    return count.step() && count.int64(0) >= threshold;
}

} // namespace

QString fechaBetween(store::Database& db, const QString& first, const QString& last,
                     int firstParameter, int lastParameter) {
    // A unary + keeps SQLite from using the index on Fecha for the term.
    const QString column =
        isWide(db, first, last) ? QStringLiteral("+Fecha") : QStringLiteral("Fecha");
    return QStringLiteral("%1 >= ?%2 AND %1 <= ?%3")
        .arg(column)
        .arg(firstParameter)
        .arg(lastParameter);
}

} // namespace tesorin::reports
