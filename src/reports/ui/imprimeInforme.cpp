#include "reports/ui/imprimeInforme.h"

#include "movements/ui/panOpcVer.h"
#include "reports/core/StatementFormula.h"
#include "reports/ui/ReportControl.h"

#include <QCalendarWidget>
#include <QCheckBox>

namespace tesorin::reports {

void imprimeInforme(QWidget* parent, store::Database& baseAbierta, const QString& nombreBase) {
    // The dialog starts afresh every time and goes away whatever the answer.
    movements::panOpcVer dialog(baseAbierta, parent);
    dialog.setWindowTitle(QStringLiteral("Seleccione datos a imprimir..."));
    dialog.exec();
    if (dialog.Tag != QLatin1String("SI"))
        return;
    ReportControl report;
    report.DataFile = nombreBase;
    report.SelectionFormula =
        statementFormula(dialog.currentEntryText(), dialog.Check1->isChecked(),
                         dialog.calendar1->selectedDate(), dialog.Calendar2->selectedDate());
    report.PrintReport(parent);
}

} // namespace tesorin::reports
