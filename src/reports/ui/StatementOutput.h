#pragma once

#include <QImage>
#include <QString>

#include <functional>

class QPrinter;

namespace tesorin::reports {

class StatementReport;
struct StatementPage;

// The page as an image for the screen: zoom 1 is the paper's actual size at
// 96 dots per inch; devicePixelRatio sharpens it on dense screens.
QImage renderStatementPage(const StatementReport& report, const StatementPage& page, double zoom,
                           double devicePixelRatio = 1.0);

// Called after each page is written with the number of pages done; false
// stops the export.
using PageProgress = std::function<bool(int pagesDone)>;

// Writes every page to a PDF file at path, replacing it only when the whole
// file is written. Returns false when progress stopped it (no file is left);
// throws ReportError when the file cannot be written and store::StoreError
// when the work area cannot be read.
bool writeStatementPdf(const StatementReport& report, const QString& path,
                       const PageProgress& progress = {});

// Prints the pages of the printer's page ranges (every page when it has
// none) on the paper of the layout. Throws as writeStatementPdf does.
void printStatement(const StatementReport& report, QPrinter& printer);

} // namespace tesorin::reports
