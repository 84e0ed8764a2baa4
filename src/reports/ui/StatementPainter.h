#pragma once

#include "reports/core/StatementLayout.h"
#include "reports/core/StatementPage.h"

class QPainter;

namespace tesorin::reports {

// Draws one statement page on a painter whose coordinates are points from
// the paper's top left corner (the preview, the printer and the PDF export
// scale to that first).
void paintStatementPage(QPainter& painter, const StatementPage& page,
                        const StatementLayout& layout);

} // namespace tesorin::reports
