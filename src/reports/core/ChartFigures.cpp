#include "reports/core/ChartFigures.h"

#include "base/Regional.h"

#include <algorithm>

namespace tesorin::reports {

namespace {

// Single-precision twips, as the bars have always been sized.
float barHeight(Money amount, Money maximum) {
    if (maximum.units() <= 0 || amount.units() <= 0)
        return 0.0f;
    return float(double(amount.units()) * kBarScale / double(maximum.units()));
}

QRectF bar(double left, int width, double baseY, float height) {
    return QRectF(left, baseY - double(height), width, double(height));
}

ChartGeometry makeAnnual() {
    ChartGeometry g;
    g.expenseLefts = {2235, 2775, 3360, 3900, 4410, 4950, 5490, 6030, 6630, 7170, 7785, 8355};
    g.barWidth = 195;
    g.incomeOffset = 225;
    g.baseY = 7530;
    g.baseLine = QLineF(2190, 7530, 9000, 7530);
    g.axis = QLineF(2175, 7530, 2175, 5670);
    g.area = QRectF(2100, 5550, 9075 - 2100, 7830 - 5550);
    return g;
}

ChartGeometry makeMonthly() {
    ChartGeometry g;
    g.expenseLefts = {1650, 1890, 2130, 2370, 2595, 2835, 3075, 3300, 3540, 3780, 4020,
                      4245, 4485, 4725, 4965, 5205, 5430, 5670, 5910, 6135, 6375, 6615,
                      6855, 7080, 7335, 7575, 7800, 8040, 8280, 8520, 8745};
    g.barWidth = 90;
    g.incomeOffset = 90;
    g.baseY = 7815;
    g.baseLine = QLineF(1605, 7815, 8925, 7815);
    g.axis = QLineF(1590, 7815, 1590, 5955);
    // Between the pair of one day and the next, under the base line.
    for (int d = 0; d + 1 < g.expenseLefts.size(); ++d) {
        const double x = (g.expenseLefts[d] + 2 * g.barWidth + g.expenseLefts[d + 1]) / 2.0;
        g.ticks.append(QLineF(x, 7815, x, 7875));
    }
    g.area = QRectF(1530, 5850, 9000 - 1530, 8130 - 5850);
    return g;
}

} // namespace

const ChartGeometry& annualGeometry() {
    static const ChartGeometry geometry = makeAnnual();
    return geometry;
}

const ChartGeometry& monthlyGeometry() {
    static const ChartGeometry geometry = makeMonthly();
    return geometry;
}

ChartFigures emptyFigures(const ChartGeometry& geometry) {
    ChartFigures figures;
    for (int left : geometry.expenseLefts) {
        figures.incomeTexts << kZeroText;
        figures.expenseTexts << kZeroText;
        figures.expenseBars << bar(left, geometry.barWidth, geometry.baseY, 0.0f);
        figures.incomeBars << bar(left + geometry.incomeOffset, geometry.barWidth, geometry.baseY,
                                  0.0f);
    }
    figures.totalIncomeText = kZeroText;
    figures.totalExpenseText = kZeroText;
    return figures;
}

ChartFigures chartFigures(const ChartTotals& totals, const ChartGeometry& geometry) {
    ChartFigures figures = emptyFigures(geometry);
    if (!totals.found)
        return figures;
    const qsizetype count =
        std::min<qsizetype>(geometry.expenseLefts.size(), qsizetype(totals.periods.size()));
    Money maximum;
    for (qsizetype i = 0; i < count; ++i)
        maximum = std::max(
            {maximum, totals.periods[size_t(i)].income, totals.periods[size_t(i)].expense});
    for (qsizetype i = 0; i < count; ++i) {
        const PeriodTotals& p = totals.periods[size_t(i)];
        if (!p.hasMovements)
            continue;
        figures.incomeTexts[i] = regional::currency(p.income);
        figures.expenseTexts[i] = regional::currency(p.expense);
        const int left = geometry.expenseLefts[i];
        figures.expenseBars[i] =
            bar(left, geometry.barWidth, geometry.baseY, barHeight(p.expense, maximum));
        figures.incomeBars[i] = bar(left + geometry.incomeOffset, geometry.barWidth, geometry.baseY,
                                    barHeight(p.income, maximum));
    }
    figures.totalIncomeText = regional::currency(totals.income);
    figures.totalExpenseText = regional::currency(totals.expense);
    return figures;
}

} // namespace tesorin::reports
