#pragma once

#include <QObject>

namespace tesorin::ui {
class OperationContext;
}

namespace tesorin::exchange {

// The main window's "Importar movimientos..." and "Exportar movimientos...".
class ExchangeOperations : public QObject {
public:
    ExchangeOperations(ui::OperationContext& context, QObject* parent);

    // Asks for a statement file, shows the import dialog and, when rows were
    // stored, runs the view again so the grid and the totals follow.
    void importarMovimientos();
    // Writes the rows of the current view to a file the user names.
    void exportarMovimientos();

private:
    ui::OperationContext& m_context;
};

} // namespace tesorin::exchange
