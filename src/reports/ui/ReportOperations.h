#pragma once

#include <QObject>

namespace tesorin::ui {
class OperationContext;
}

namespace tesorin::reports {

// The main window's reports: sums and balances, the monthly and annual
// charts, and the printed account statement.
class ReportOperations : public QObject {
public:
    ReportOperations(ui::OperationContext& context, QObject* parent);

    void muestraSumas();
    void muestraGraficoMensual();
    void muestraGraficoAnual();
    void imprimeInforme();

private:
    ui::OperationContext& m_context;
};

} // namespace tesorin::reports
