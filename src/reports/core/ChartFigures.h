#pragma once

#include "reports/core/ChartTotals.h"

#include <QLineF>
#include <QRectF>
#include <QStringList>
#include <QVector>

// What a bar chart form shows, worked out without a window: the amount texts
// of its table and totals, and its bars and rules in twips of the form.
namespace tesorin::reports {

// The height in twips of the tallest bar of a chart.
constexpr double kBarScale = 1875.0;
// The text of an amount cell before anything is computed, and of a period
// without movements.
inline const QString kZeroText = QStringLiteral("0,00");

// Where a chart stands on its form, in twips.
struct ChartGeometry {
    QVector<int> expenseLefts; // left edge of the expense bar of each period
    int barWidth = 0;
    int incomeOffset = 0;  // the income bar's left edge, from the expense bar's
    double baseY = 0;      // the bottom of every bar
    QLineF baseLine;       // Line1
    QLineF axis;           // Line2
    QVector<QLineF> ticks; // short rules under the base line between periods
    QRectF area;           // the part of the form the chart and its names are painted in
};

// The twelve pairs of bars of the annual chart.
const ChartGeometry& annualGeometry();
// The 31 pairs of bars of the monthly chart.
const ChartGeometry& monthlyGeometry();

struct ChartFigures {
    QStringList incomeTexts;     // mesIng(i)
    QStringList expenseTexts;    // mesEgr(i)
    QString totalIncomeText;     // Label2
    QString totalExpenseText;    // Label4
    QVector<QRectF> expenseBars; // SSSa(i), in twips of the form
    QVector<QRectF> incomeBars;  // SSEn(i)
};

// Every amount "0,00" and every bar without height on the base line.
ChartFigures emptyFigures(const ChartGeometry& geometry);

// The figures of the totals: a period with movements shows its amounts in
// the currency format, one without keeps "0,00"; each bar is its amount x
// 1875 / the largest amount of any period, income or expense, standing on
// the base line. A negative amount gets a bar without height (its cell still
// shows it), and when no amount is above 0 no bar has height.
ChartFigures chartFigures(const ChartTotals& totals, const ChartGeometry& geometry);

} // namespace tesorin::reports
