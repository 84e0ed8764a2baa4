#include "reports/core/StatementGeometry.h"

namespace tesorin::reports::geometry {

QSizeF paperSize(Paper paper) {
    switch (paper) {
    case Paper::Carta:
        return {612.0, 792.0};
    case Paper::A4:
        break;
    }
    return {595.276, 841.89};
}

double lineHeight(StatementLine::Kind kind) {
    using Kind = StatementLine::Kind;
    switch (kind) {
    case Kind::Title:
        return 24;
    case Kind::WorkArea:
        return 16;
    case Kind::Owner:
        return 12.5;
    case Kind::Period:
        return 18;
    case Kind::HeadingEnd:
        return 14;
    case Kind::AccountTitle:
        return 22;
    case Kind::ColumnHeads:
        return 15;
    case Kind::Carried:
        return 13;
    case Kind::Movement:
        return 12.5;
    case Kind::Subtotal:
        return 17;
    case Kind::SectionGap:
        return 12;
    case Kind::GrandTotal:
        return 24;
    case Kind::Empty:
        return 24;
    }
    return 12.5;
}

QRectF bodyRect(Paper paper, bool firstPage) {
    const QSizeF size = paperSize(paper);
    const double top = kMarginTop + (firstPage ? 0.0 : kRunningHeaderHeight);
    const double bottom = size.height() - kMarginBottom - kFooterHeight;
    return {kMarginLeft, top, size.width() - kMarginLeft - kMarginRight, bottom - top};
}

QRectF footerRect(Paper paper) {
    const QSizeF size = paperSize(paper);
    return {kMarginLeft, size.height() - kMarginBottom - kFooterHeight,
            size.width() - kMarginLeft - kMarginRight, kFooterHeight};
}

QRectF runningHeaderRect(Paper paper) {
    const QSizeF size = paperSize(paper);
    return {kMarginLeft, kMarginTop, size.width() - kMarginLeft - kMarginRight,
            kRunningHeaderHeight};
}

QList<ColumnSpan> columnSpans(const StatementLayout& layout, double left, double width) {
    int total = 0;
    for (const StatementColumn& column : layout.columns)
        total += column.width;
    QList<ColumnSpan> spans;
    double x = left;
    for (const StatementColumn& column : layout.columns) {
        const double w = width * column.width / total;
        spans.append({x, w});
        x += w;
    }
    return spans;
}

} // namespace tesorin::reports::geometry
