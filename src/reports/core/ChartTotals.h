#pragma once

#include "base/Money.h"

#include <QString>

#include <vector>

namespace tesorin::store {
class Database;
}

namespace tesorin::reports {

// Income and expense of one period of a chart (a month of the year or a day
// of the month).
struct PeriodTotals {
    Money income;
    Money expense;
    bool hasMovements = false;
};

// What a chart's query finds: the totals of every period (index = period - 1)
// and of the whole year or month.
struct ChartTotals {
    std::vector<PeriodTotals> periods;
    Money income;
    Money expense;
    bool found = false; // the query yielded at least one movement
};

// The totals of the twelve months of year for the movements the annual
// query text selects ("select * from Movimientos where (...) and year(fecha)
// = Y"). Throws StoreError.
ChartTotals annualTotals(store::Database& db, const QString& query, int year);
// The totals of the 31 days of the month for the movements the monthly query
// text selects. Throws StoreError.
ChartTotals monthlyTotals(store::Database& db, const QString& query, int year, int month);

} // namespace tesorin::reports
