#pragma once

#include <QColor>
#include <QGlyphRun>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

namespace tesorin::reports {

// What a statement page is drawn with, in points from the paper's top left
// corner: filled rectangles, lines and runs of glyphs (their raw font sized
// in points, their positions on the page). The preview and the printer draw
// through QPainter; the PDF export writes the same calls straight into the
// file.
class StatementCanvas {
public:
    virtual ~StatementCanvas() = default;
    virtual void fillRect(const QRectF& rect, const QColor& color) = 0;
    virtual void line(const QPointF& from, const QPointF& to, double width,
                      const QColor& color) = 0;
    // characters: one per glyph, what each stands for (for a reader that
    // copies text out of a PDF), or empty when unknown.
    virtual void glyphs(const QGlyphRun& run, const QColor& color, const QString& characters) = 0;
};

// A canvas over a painter whose coordinates are points from the paper's top
// left corner.
class PainterCanvas : public StatementCanvas {
public:
    explicit PainterCanvas(QPainter& painter) : m_painter(painter) {}
    void fillRect(const QRectF& rect, const QColor& color) override;
    void line(const QPointF& from, const QPointF& to, double width, const QColor& color) override;
    void glyphs(const QGlyphRun& run, const QColor& color, const QString& characters) override;

private:
    QPainter& m_painter;
};

} // namespace tesorin::reports
