#pragma once

#include <QObject>
#include <QPointer>

namespace tesorin::ui {
class OperationContext;
}

namespace tesorin::movements {

class panNueIngreso;

// The movement operations of the main window: a new income, a new payment,
// editing and deleting the grid's current movement.
class MovementOperations : public QObject {
public:
    MovementOperations(ui::OperationContext& context, QObject* parent);

    void nuevoIngreso();
    void nuevoPago();
    void editoPago();
    void borraMov();
    // A double-click on the grid: edits the current movement, if any.
    void MSFlexGrid1_DblClick();

private:
    // The entry dialog, loaded on first use; nuevoIngreso leaves it loaded.
    panNueIngreso& panNueIngresoCargado();
    void descargaPanNueIngreso();

    ui::OperationContext& m_context;
    QPointer<panNueIngreso> m_panNueIngreso;
};

} // namespace tesorin::movements
