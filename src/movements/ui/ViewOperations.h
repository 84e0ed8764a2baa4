#pragma once

#include <QObject>

namespace tesorin::ui {
class OperationContext;
}

namespace tesorin::movements {

// The main window's view filter and search over the grid's movements.
class ViewOperations : public QObject {
public:
    ViewOperations(ui::OperationContext& context, QObject* parent);

    void filtrarDatos();
    void buscarMovimiento();

private:
    ui::OperationContext& m_context;
};

} // namespace tesorin::movements
