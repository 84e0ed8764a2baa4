#include "reports/ui/BarChartView.h"

#include <QPainter>

#include <algorithm>

namespace tesorin::reports {

namespace {

const QColor kExpense(255, 192, 192);
const QColor kIncome(192, 192, 255);
// Names under the bars: 7 points, in twips (20 twips a point).
constexpr int kNamePointTwips = 7 * 20;
constexpr double kNameGap = 30; // between the base line's ticks and the names

// A raised 3-D panel: the fill, a light edge on the top and left, a dark one
// on the bottom and right.
void paintBar(QPainter& painter, const QRectF& bar, const QColor& fill) {
    if (bar.height() <= 0)
        return;
    painter.fillRect(bar, fill);
    const double edge = 15; // one pixel at the form's own size
    painter.fillRect(QRectF(bar.left(), bar.top(), bar.width(), std::min(edge, bar.height())),
                     fill.lighter(115));
    painter.fillRect(QRectF(bar.left(), bar.top(), edge, bar.height()), fill.lighter(115));
    painter.fillRect(QRectF(bar.right() - edge, bar.top(), edge, bar.height()), fill.darker(140));
}

} // namespace

BarChartView::BarChartView(const ChartGeometry& geometry, const QStringList& names, QWidget* parent)
    : QWidget(parent), m_geometry(geometry), m_names(names) {
    setAccessibleName(QStringLiteral("Gráfico"));
    setFigures(emptyFigures(geometry));
}

void BarChartView::setFigures(const ChartFigures& figures) {
    m_expenseBars = figures.expenseBars;
    m_incomeBars = figures.incomeBars;
    update();
}

void BarChartView::paint(QPainter& painter, const QRectF& target) const {
    const QRectF& area = m_geometry.area;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.translate(target.topLeft());
    painter.scale(target.width() / area.width(), target.height() / area.height());
    painter.translate(-area.topLeft());

    for (qsizetype i = 0; i < m_expenseBars.size(); ++i) {
        paintBar(painter, m_expenseBars[i], kExpense);
        paintBar(painter, m_incomeBars[i], kIncome);
    }
    QPen rule(Qt::black);
    rule.setWidthF(15);
    rule.setCapStyle(Qt::FlatCap);
    painter.setPen(rule);
    painter.drawLine(m_geometry.baseLine);
    painter.drawLine(m_geometry.axis);
    for (const QLineF& tick : m_geometry.ticks)
        painter.drawLine(tick);

    QFont font = painter.font();
    font.setPixelSize(kNamePointTwips);
    painter.setFont(font);
    painter.setPen(Qt::black);
    double namesTop = m_geometry.baseY + kNameGap;
    for (const QLineF& tick : m_geometry.ticks)
        namesTop = std::max(namesTop, tick.y2() + kNameGap / 2);
    for (qsizetype i = 0; i < m_names.size() && i < m_geometry.expenseLefts.size(); ++i) {
        const double centre =
            m_geometry.expenseLefts[i] + (m_geometry.incomeOffset + m_geometry.barWidth) / 2.0;
        const QRectF box(centre - 400, namesTop, 800, area.bottom() - namesTop);
        painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip, m_names[i]);
    }
    painter.restore();
}

void BarChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint(painter, QRectF(rect()));
}

} // namespace tesorin::reports
