#pragma once

#include "reports/core/StatementLayout.h"

#include <QString>

class QWidget;

namespace tesorin::reports {

// The main window's report control: the statement's layout file and window
// title, fixed, and the work-area file and selection formula, set before
// every run; PrintReport makes the statement and shows it.
struct ReportControl {
    QString ReportFileName = kLayoutFileName;
    QString WindowTitle = QStringLiteral("Informe preliminar de caja.");
    // Bare name of the work area the statement reads (its movements and its
    // owner's profile).
    QString DataFile;
    QString SelectionFormula;

    // Makes the statement and shows it in its preview window, modal over
    // parent. A formula that does not parse, a mistake in the layout file or
    // a failure of the work area is shown as an error message instead.
    void PrintReport(QWidget* parent) const;
};

} // namespace tesorin::reports
