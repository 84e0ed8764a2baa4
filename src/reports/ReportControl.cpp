#include "reports/ReportControl.h"

#include "app/Clock.h"
#include "reports/ReportError.h"
#include "reports/StatementPreview.h"
#include "reports/StatementReport.h"
#include "store/StoreError.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace tesorin::reports {

void ReportControl::PrintReport(QWidget* parent) const {
    std::unique_ptr<StatementReport> report;
    QString failure;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        report = std::make_unique<StatementReport>(DataFile, SelectionFormula, clock::today(),
                                                   ReportFileName);
    } catch (const ReportError& error) {
        failure = error.message();
    } catch (const store::StoreError& error) {
        failure = error.message();
    }
    QGuiApplication::restoreOverrideCursor();
    if (!report) {
        QMessageBox::critical(parent, QStringLiteral("Error"), failure);
        return;
    }
    StatementPreview preview(std::move(report), WindowTitle, parent);
    preview.exec();
}

} // namespace tesorin::reports
