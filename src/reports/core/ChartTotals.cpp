#include "reports/core/ChartTotals.h"

#include "reports/core/DateRangeScan.h"
#include "store/Database.h"
#include "store/Dialect.h"
#include "store/StoreError.h"

namespace tesorin::reports {

namespace {

// Runs the chart's query as one grouped query: the condition of the query
// text as it stands, plus the range of stored dates that the year (and
// month) it names can fall in, which lets SQLite read only that stretch.
// The range takes nothing away: every date of that year and month lies in it.
ChartTotals groupedTotals(store::Database& db, const QString& query, const QString& period,
                          int periods, const QString& datePrefix) {
    const std::optional<store::dialect::SelectParts> parts = store::dialect::splitSelect(query);
    if (!parts || parts->where.isEmpty() || !parts->orderBy.isEmpty())
        throw store::StoreError(QStringLiteral("La consulta no es válida: %1").arg(query));
    const QString first = datePrefix + QLatin1Char('-');
    const QString last = datePrefix + QLatin1Char('~'); // after every digit
    store::Statement rows = db.prepare(
        QStringLiteral(
            "SELECT %1, msum(Ingreso), msum(Egreso) FROM %2 WHERE (%3) AND %4 GROUP BY 1")
            .arg(period, parts->table, parts->where, fechaBetween(db, first, last, 1, 2)));
    rows.bindText(1, first).bindText(2, last);
    ChartTotals totals;
    totals.periods.resize(size_t(periods));
    try {
        while (rows.step()) {
            totals.found = true;
            const std::int64_t index = rows.int64(0) - 1;
            if (rows.isNull(0) || index < 0 || index >= periods)
                continue;
            PeriodTotals& p = totals.periods[size_t(index)];
            p.income = Money::fromUnits(rows.int64(1));
            p.expense = Money::fromUnits(rows.int64(2));
            p.hasMovements = true;
            totals.income += p.income;
            totals.expense += p.expense;
        }
    } catch (const MoneyOutOfRange&) {
        throw store::StoreError(
            QStringLiteral("El total supera el importe máximo que se puede mostrar."));
    }
    return totals;
}

QString digits(int value, int width) {
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

bool storableYear(int year) {
    return year >= 0 && year <= 9999;
}

} // namespace

ChartTotals annualTotals(store::Database& db, const QString& query, int year) {
    if (!storableYear(year)) {
        ChartTotals none;
        none.periods.resize(12);
        return none;
    }
    return groupedTotals(db, query, QStringLiteral("month(Fecha)"), 12, digits(year, 4));
}

ChartTotals monthlyTotals(store::Database& db, const QString& query, int year, int month) {
    if (!storableYear(year) || month < 1 || month > 12) {
        ChartTotals none;
        none.periods.resize(31);
        return none;
    }
    return groupedTotals(db, query, QStringLiteral("CAST(substr(Fecha, 9, 2) AS INTEGER)"), 31,
                         digits(year, 4) + QLatin1Char('-') + digits(month, 2));
}

} // namespace tesorin::reports
