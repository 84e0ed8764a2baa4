#include "reports/ui/StatementPainter.h"

#include "reports/core/StatementGeometry.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>

#include <map>
#include <optional>

namespace tesorin::reports {

namespace {

using Kind = StatementLine::Kind;

const QColor kInk(0x1a, 0x1a, 0x1a);
const QColor kSoftInk(0x55, 0x55, 0x55);
const QColor kAccountBand(0xe4, 0xe9, 0xef);
const QColor kShade(0xf3, 0xf5, 0xf7);
constexpr double kPadding = 3;

// A text made into glyphs, from a baseline at its left end.
struct Glyphs {
    QList<QGlyphRun> runs;
    double width = 0;
    double ascent = 0;
    double descent = 0;
};

// Texts of the Latin script, figures and dates, in characters the font has,
// are made into glyphs straight from the font's own advances: several times
// quicker than full text shaping, and a statement of thousands of pages
// spends its time on its texts. Empty for any other text.
std::optional<Glyphs> simpleGlyphs(const QString& text, const QRawFont& font) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool simple = (u >= 0x20 && u < 0x300) || (u >= 0x2010 && u <= 0x2027) ||
                            (u >= 0x2030 && u <= 0x205e) || (u >= 0x20a0 && u <= 0x20cf);
        if (!simple)
            return std::nullopt;
    }
    const QList<quint32> indexes = font.glyphIndexesForString(text);
    if (indexes.size() != text.size() || indexes.contains(0u))
        return std::nullopt;
    const QList<QPointF> advances =
        font.advancesForGlyphIndexes(indexes, QRawFont::UseDesignMetrics);
    QList<QPointF> positions;
    positions.reserve(advances.size());
    double x = 0;
    for (const QPointF& advance : advances) {
        positions.append(QPointF(x, 0));
        x += advance.x();
    }
    QGlyphRun run;
    run.setRawFont(font);
    run.setGlyphIndexes(indexes);
    run.setPositions(positions);
    return Glyphs{{run}, x, font.ascent(), font.descent()};
}

// Any other text, shaped in full with font fallback. The layout works at
// the screen's resolution; its glyphs are brought back to points.
Glyphs shapedGlyphs(const QString& text, const QFont& font, double points) {
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    Glyphs out;
    if (!line.isValid())
        return out;
    const QList<QGlyphRun> runs = layout.glyphRuns();
    const double scale = runs.isEmpty() || runs.first().rawFont().pixelSize() <= 0
                             ? 1.0
                             : points / runs.first().rawFont().pixelSize();
    for (QGlyphRun run : runs) {
        QRawFont raw = run.rawFont();
        raw.setPixelSize(raw.pixelSize() * scale);
        QList<QPointF> positions = run.positions();
        for (QPointF& position : positions)
            position = QPointF(position.x() * scale, (position.y() - line.ascent()) * scale);
        run.setRawFont(raw);
        run.setPositions(positions);
        out.runs.append(run);
    }
    out.width = line.naturalTextWidth() * scale;
    out.ascent = line.ascent() * scale;
    out.descent = line.descent() * scale;
    return out;
}

// The glyphs drawn `factor` times their size.
void scaleGlyphs(Glyphs& glyphs, double factor) {
    for (QGlyphRun& run : glyphs.runs) {
        QRawFont raw = run.rawFont();
        raw.setPixelSize(raw.pixelSize() * factor);
        QList<QPointF> positions = run.positions();
        for (QPointF& position : positions)
            position *= factor;
        run.setRawFont(raw);
        run.setPositions(positions);
    }
    glyphs.width *= factor;
    glyphs.ascent *= factor;
    glyphs.descent *= factor;
}

class PagePainter {
public:
    PagePainter(QPainter& painter, const StatementLayout& layout, bool firstPage)
        : m_painter(painter), m_layout(layout), m_body(geometry::bodyRect(layout.paper, firstPage)),
          m_columns(geometry::columnSpans(layout, m_body.left(), m_body.width())) {}

    // A font of `points`; its glyphs are sized in points too.
    struct Font {
        QFont font;
        QRawFont raw;
        double points;
    };
    const Font& font(double points, bool bold = false, bool italic = false) {
        const int key = int(points * 10) * 4 + (bold ? 2 : 0) + (italic ? 1 : 0);
        auto found = m_fonts.find(key);
        if (found == m_fonts.end()) {
            QFont f(QStringLiteral("DejaVu Sans"));
            f.setStyleHint(QFont::SansSerif);
            f.setHintingPreference(QFont::PreferNoHinting);
            f.setPointSizeF(points);
            f.setBold(bold);
            f.setItalic(italic);
            QRawFont raw = QRawFont::fromFont(f);
            raw.setPixelSize(points);
            found = m_fonts.emplace(key, Font{f, raw, points}).first;
        }
        return found->second;
    }

    void fill(const QRectF& rect, const QColor& color) {
        flushRun();
        m_painter.fillRect(rect, color);
    }

    void rule(double y, double width, const QColor& color = kInk) {
        stroke(QPointF(m_body.left(), y), QPointF(m_body.right(), y), width, color);
    }

    // Text on one line in rect, shortened with "…" when it does not fit;
    // amounts are never shortened but drawn in a smaller size instead.
    void text(const QRectF& rect, const QString& text, const Font& f, Qt::Alignment align,
              bool amount = false, const QColor& color = kInk) {
        if (text.isEmpty() || rect.width() <= 0)
            return;
        std::optional<Glyphs> glyphs = simpleGlyphs(text, f.raw);
        if (!glyphs)
            glyphs = shapedGlyphs(text, f.font, f.points);
        if (glyphs->width > rect.width()) {
            if (amount) {
                scaleGlyphs(*glyphs, rect.width() / glyphs->width * 0.98);
            } else {
                // Measured at the screen's resolution, like the shaping.
                const QFontMetricsF metrics(f.font);
                const double toScreen = metrics.height() / (f.raw.ascent() + f.raw.descent());
                const QString shown =
                    metrics.elidedText(text, Qt::ElideRight, rect.width() * toScreen);
                glyphs = simpleGlyphs(shown, f.raw);
                if (!glyphs)
                    glyphs = shapedGlyphs(shown, f.font, f.points);
                if (glyphs->width > rect.width())
                    scaleGlyphs(*glyphs, rect.width() / glyphs->width);
            }
        }
        double left = rect.left();
        if (align & Qt::AlignRight)
            left = rect.right() - glyphs->width;
        else if (align & Qt::AlignHCenter)
            left = rect.center().x() - glyphs->width / 2;
        const double baseline =
            rect.top() + (rect.height() - glyphs->ascent - glyphs->descent) / 2 + glyphs->ascent;
        place(*glyphs, QPointF(left, baseline), color);
    }

    void stroke(const QPointF& from, const QPointF& to, double width, const QColor& color) {
        flushRun();
        m_painter.setPen(QPen(color, width));
        m_painter.drawLine(from, to);
    }

    // Glyphs of one line in one font and colour are drawn together: the
    // PDF then carries the font and colour once a line, not once a cell.
    void place(const Glyphs& glyphs, const QPointF& origin, const QColor& color) {
        for (const QGlyphRun& run : glyphs.runs) {
            if (!(m_run.font == run.rawFont()) || m_run.color != color ||
                m_run.baseline != origin.y())
                flushRun();
            m_run.font = run.rawFont();
            m_run.color = color;
            m_run.baseline = origin.y();
            m_run.glyphs.append(run.glyphIndexes());
            for (const QPointF& position : run.positions())
                m_run.positions.append(position + origin);
        }
    }

    void flushRun() {
        if (m_run.glyphs.isEmpty())
            return;
        QGlyphRun run;
        run.setRawFont(m_run.font);
        run.setGlyphIndexes(m_run.glyphs);
        run.setPositions(m_run.positions);
        m_painter.setPen(m_run.color);
        m_painter.drawGlyphRun(QPointF(0, 0), run);
        m_run.glyphs.clear();
        m_run.positions.clear();
    }

    QRectF cell(int column, double top, double height) const {
        const geometry::ColumnSpan span = m_columns[column];
        return {span.left + kPadding, top, span.width - 2 * kPadding, height};
    }

    void cells(const QStringList& values, double top, double height, const Font& f) {
        for (int c = 0; c < m_columns.size() && c < values.size(); ++c) {
            const bool amount = m_layout.columns[c].isAmount();
            text(cell(c, top, height), values[c], f, amount ? Qt::AlignRight : Qt::AlignLeft,
                 amount);
        }
    }

    // A total's label runs from the left edge to the first column with a
    // figure; the figures go in their columns.
    void labelled(const StatementLine& line, double top, double height, const Font& f) {
        double labelRight = m_body.right();
        for (int c = 0; c < m_columns.size() && c < line.cells.size(); ++c) {
            if (!line.cells[c].isEmpty()) {
                labelRight = m_columns[c].left;
                break;
            }
        }
        text(QRectF(m_body.left() + kPadding, top, labelRight - m_body.left() - 2 * kPadding,
                    height),
             line.text, f, Qt::AlignLeft);
        cells(line.cells, top, height, f);
    }

    void line(const StatementLine& line, double top) {
        const double h = geometry::lineHeight(line.kind);
        const QRectF full(m_body.left(), top, m_body.width(), h);
        switch (line.kind) {
        case Kind::Title:
            text(full, line.text, font(16, true), Qt::AlignLeft);
            break;
        case Kind::WorkArea:
            text(full, line.text, font(10.5), Qt::AlignLeft);
            break;
        case Kind::Owner:
            text(full, line.text, font(9), Qt::AlignLeft, false, kSoftInk);
            break;
        case Kind::Period:
            text(full, line.text, font(10, true), Qt::AlignLeft);
            break;
        case Kind::HeadingEnd:
            rule(top + 6, 1.2);
            break;
        case Kind::AccountTitle: {
            const QRectF band(m_body.left(), top + 5, m_body.width(), h - 5);
            fill(band, kAccountBand);
            text(band.adjusted(kPadding + 1, 0, -kPadding, 0), line.text, font(10, true),
                 Qt::AlignLeft);
            break;
        }
        case Kind::ColumnHeads:
            cells(line.cells, top, h - 2, font(8, true));
            rule(top + h - 1.5, 0.6);
            break;
        case Kind::Carried:
            labelled(line, top, h, font(8, false, true));
            break;
        case Kind::Movement:
            if (line.shaded)
                fill(full, kShade);
            cells(line.cells, top, h, font(8));
            break;
        case Kind::Subtotal:
            rule(top + 1.5, 0.6);
            labelled(line, top + 1.5, h - 1.5, font(8, true));
            break;
        case Kind::SectionGap:
            break;
        case Kind::GrandTotal:
            rule(top + 4, 0.6);
            rule(top + 6, 0.6);
            labelled(line, top + 6, h - 6, font(9, true));
            break;
        case Kind::Empty:
            text(full, line.text, font(10, false, true), Qt::AlignHCenter);
            break;
        }
    }

    void runningHeader(const QStringList& texts) {
        const QRectF area = geometry::runningHeaderRect(m_layout.paper);
        const QRectF row(area.left(), area.top(), area.width(), 12);
        const double third = row.width() / 3;
        text(QRectF(row.left(), row.top(), third, row.height()), texts.value(0), font(8, true),
             Qt::AlignLeft, false, kSoftInk);
        text(QRectF(row.left() + third, row.top(), third, row.height()), texts.value(1), font(8),
             Qt::AlignHCenter, false, kSoftInk);
        text(QRectF(row.left() + 2 * third, row.top(), third, row.height()), texts.value(2),
             font(8), Qt::AlignRight, false, kSoftInk);
        rule(row.bottom() + 3, 0.5, kSoftInk);
    }

    void footer(const StatementPage& page) {
        const QRectF area = geometry::footerRect(m_layout.paper);
        stroke(QPointF(area.left(), area.top() + 6), QPointF(area.right(), area.top() + 6), 0.5,
               kSoftInk);
        const QRectF row(area.left(), area.top() + 8, area.width(), area.height() - 8);
        text(row, page.printed, font(7.5), Qt::AlignLeft, false, kSoftInk);
        text(row, page.pageText, font(7.5), Qt::AlignRight, false, kSoftInk);
        flushRun();
    }

private:
    QPainter& m_painter;
    const StatementLayout& m_layout;
    QRectF m_body;
    QList<geometry::ColumnSpan> m_columns;
    std::map<int, Font> m_fonts; // stable references while the page is drawn
    struct PendingRun {
        QRawFont font;
        QColor color;
        double baseline = 0;
        QList<quint32> glyphs;
        QList<QPointF> positions;
    } m_run;
};

} // namespace

void paintStatementPage(QPainter& painter, const StatementPage& page,
                        const StatementLayout& layout) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PagePainter pagePainter(painter, layout, page.number == 1);
    if (page.number > 1)
        pagePainter.runningHeader(page.runningHeader);
    double top = geometry::bodyRect(layout.paper, page.number == 1).top();
    for (const StatementLine& line : page.lines) {
        pagePainter.line(line, top);
        top += geometry::lineHeight(line.kind);
    }
    pagePainter.footer(page);
    painter.restore();
}

} // namespace tesorin::reports
