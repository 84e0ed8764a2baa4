#pragma once

#include "reports/core/StatementLayout.h"
#include "reports/core/StatementPage.h"

#include <QList>
#include <QRectF>
#include <QSizeF>

// The statement's page in points (1/72 inch), from the paper's top left
// corner. The layout of pages and their painting both take their sizes from
// here, so the page breaks the engine chooses are the ones printed.
namespace tesorin::reports::geometry {

QSizeF paperSize(Paper paper);

constexpr double kMarginLeft = 50;
constexpr double kMarginRight = 50;
constexpr double kMarginTop = 42;
constexpr double kMarginBottom = 34;
// The print date and page number under a rule at the bottom of every page.
constexpr double kFooterHeight = 22;
// Title, work area and period repeated at the top of every page after the first.
constexpr double kRunningHeaderHeight = 26;

// Height of one line of that kind.
double lineHeight(StatementLine::Kind kind);

// Where the lines go: between the margins, under the running header (pages
// after the first) and above the footer.
QRectF bodyRect(Paper paper, bool firstPage);
QRectF footerRect(Paper paper);
QRectF runningHeaderRect(Paper paper);

// Left edge and width of each column of the layout across the body's width.
struct ColumnSpan {
    double left;
    double width;
};
QList<ColumnSpan> columnSpans(const StatementLayout& layout, double left, double width);

} // namespace tesorin::reports::geometry
