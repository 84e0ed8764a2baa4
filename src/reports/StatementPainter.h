#pragma once

#include "reports/StatementLayout.h"
#include "reports/StatementPage.h"

class QPainter;

namespace tesorin::reports {

// Paints one statement page. The painter's coordinates are points (1/72
// inch) from the paper's top left corner, whatever the device: the preview,
// the printer and the PDF file all scale to that before calling.
void paintStatementPage(QPainter& painter, const StatementPage& page,
                        const StatementLayout& layout);

} // namespace tesorin::reports
