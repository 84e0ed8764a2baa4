#pragma once

#include "reports/core/ChartFigures.h"

#include <QWidget>

class QPainter;

namespace tesorin::reports {

// The bar chart of a chart form: its base line, axis and tick rules, a pair
// of bars per period (expense light red, income light blue) and the period
// names under them, all placed in twips by the core's geometry and scaled to
// whatever rectangle it is painted in. The widget, the printer and a PDF file
// all draw it with paint().
class BarChartView : public QWidget {
    Q_OBJECT
public:
    // names: the text under each pair of bars.
    BarChartView(const ChartGeometry& geometry, const QStringList& names,
                 QWidget* parent = nullptr);

    void setFigures(const ChartFigures& figures);
    const QVector<QRectF>& expenseBars() const { return m_expenseBars; }
    const QVector<QRectF>& incomeBars() const { return m_incomeBars; }

    // Paints the chart area of the geometry onto target.
    void paint(QPainter& painter, const QRectF& target) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const ChartGeometry& m_geometry;
    QStringList m_names;
    QVector<QRectF> m_expenseBars;
    QVector<QRectF> m_incomeBars;
};

} // namespace tesorin::reports
