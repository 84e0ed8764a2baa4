#pragma once

#include "reports/core/StatementLayout.h"
#include "reports/core/StatementPage.h"

class QPainter;

namespace tesorin::reports {

class StatementCanvas;

// Draws one statement page on a canvas, in points from the paper's top
// left corner.
void paintStatementPage(StatementCanvas& canvas, const StatementPage& page,
                        const StatementLayout& layout);

// The same on a painter whose coordinates are points from the paper's top
// left corner (the preview and the printer scale to that first).
void paintStatementPage(QPainter& painter, const StatementPage& page,
                        const StatementLayout& layout);

} // namespace tesorin::reports
