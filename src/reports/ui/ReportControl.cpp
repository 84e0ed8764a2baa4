#include "reports/ui/ReportControl.h"

#include "base/Clock.h"
#include "reports/core/ReportError.h"
#include "reports/core/StatementReport.h"
#include "reports/ui/StatementPreview.h"
#include "store/StoreError.h"
#include "ui/common/MessageBoxes.h"

#include "ui/common/WaitCursor.h"

#include <QMessageBox>

namespace tesorin::reports {

void ReportControl::PrintReport(QWidget* parent) const {
    std::unique_ptr<StatementReport> report;
    QString failure;
    try {
        const ui::WaitCursor wait;
        report = std::make_unique<StatementReport>(DataFile, SelectionFormula, clock::today(),
                                                   ReportFileName);
    } catch (const ReportError& error) {
        failure = error.message();
    } catch (const store::StoreError& error) {
        failure = error.message();
    }
    if (!report) {
        ui::MessageBoxes::critical(parent, QStringLiteral("Error"), failure);
        return;
    }
    StatementPreview preview(std::move(report), WindowTitle, parent);
    preview.exec();
}

} // namespace tesorin::reports
