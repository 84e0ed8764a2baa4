#include "reports/ui/StatementCanvas.h"

#include <QPainter>

namespace tesorin::reports {

void PainterCanvas::fillRect(const QRectF& rect, const QColor& color) {
    m_painter.fillRect(rect, color);
}

void PainterCanvas::line(const QPointF& from, const QPointF& to, double width,
                         const QColor& color) {
    m_painter.setPen(QPen(color, width));
    m_painter.drawLine(from, to);
}

void PainterCanvas::glyphs(const QGlyphRun& run, const QColor& color, const QString&) {
    m_painter.setPen(color);
    m_painter.drawGlyphRun(QPointF(0, 0), run);
}

} // namespace tesorin::reports
