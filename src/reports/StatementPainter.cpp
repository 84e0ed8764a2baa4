#include "reports/StatementPainter.h"

#include "reports/StatementGeometry.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

namespace tesorin::reports {

namespace {

using Kind = StatementLine::Kind;

const QColor kInk(0x1a, 0x1a, 0x1a);
const QColor kSoftInk(0x55, 0x55, 0x55);
const QColor kAccountBand(0xe4, 0xe9, 0xef);
const QColor kShade(0xf3, 0xf5, 0xf7);
constexpr double kPadding = 3;

class PagePainter {
public:
    PagePainter(QPainter& painter, const StatementLayout& layout, bool firstPage)
        : m_painter(painter), m_layout(layout), m_body(geometry::bodyRect(layout.paper, firstPage)),
          m_columns(geometry::columnSpans(layout, m_body.left(), m_body.width())) {}

    // A font of `points` in the painter's point coordinates, whatever the
    // resolution of the device.
    QFont font(double points, bool bold = false, bool italic = false) const {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setStyleHint(QFont::SansSerif);
        f.setHintingPreference(QFont::PreferNoHinting);
        f.setPointSizeF(points * 72.0 / m_painter.device()->logicalDpiY());
        f.setBold(bold);
        f.setItalic(italic);
        return f;
    }

    void rule(double y, double width, const QColor& color = kInk) {
        m_painter.setPen(QPen(color, width));
        m_painter.drawLine(QPointF(m_body.left(), y), QPointF(m_body.right(), y));
    }

    // Text in rect, shortened with "…" when it does not fit; amounts are
    // never shortened but drawn a little narrower instead.
    void text(const QRectF& rect, const QString& text, const QFont& f, Qt::Alignment align,
              bool amount = false, const QColor& color = kInk) {
        if (text.isEmpty() || rect.width() <= 0)
            return;
        QFont used = f;
        QString shown = text;
        const QFontMetricsF metrics(f, m_painter.device());
        const double width = metrics.horizontalAdvance(text);
        if (width > rect.width()) {
            if (amount)
                used.setPointSizeF(f.pointSizeF() * rect.width() / width * 0.98);
            else
                shown = metrics.elidedText(text, Qt::ElideRight, rect.width());
        }
        m_painter.setFont(used);
        m_painter.setPen(color);
        m_painter.drawText(rect, int(align | Qt::AlignVCenter) | Qt::TextSingleLine, shown);
    }

    QRectF cell(int column, double top, double height) const {
        const geometry::ColumnSpan span = m_columns[column];
        return {span.left + kPadding, top, span.width - 2 * kPadding, height};
    }

    void cells(const QStringList& values, double top, double height, const QFont& f) {
        for (int c = 0; c < m_columns.size() && c < values.size(); ++c) {
            const bool amount = m_layout.columns[c].isAmount();
            text(cell(c, top, height), values[c], f, amount ? Qt::AlignRight : Qt::AlignLeft,
                 amount);
        }
    }

    // A total's label runs from the left edge to the first column with a
    // figure; the figures go in their columns.
    void labelled(const StatementLine& line, double top, double height, const QFont& f) {
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
            m_painter.fillRect(band, kAccountBand);
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
                m_painter.fillRect(full, kShade);
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
        m_painter.setPen(QPen(kSoftInk, 0.5));
        m_painter.drawLine(QPointF(area.left(), area.top() + 6),
                           QPointF(area.right(), area.top() + 6));
        const QRectF row(area.left(), area.top() + 8, area.width(), area.height() - 8);
        text(row, page.printed, font(7.5), Qt::AlignLeft, false, kSoftInk);
        text(row, page.pageText, font(7.5), Qt::AlignRight, false, kSoftInk);
    }

private:
    QPainter& m_painter;
    const StatementLayout& m_layout;
    QRectF m_body;
    QList<geometry::ColumnSpan> m_columns;
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
