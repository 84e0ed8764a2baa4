// The movement operations of the main window: a new income, a new payment,
// editing and deleting the grid's current movement, and what starts them.
#include "app/principal.h"

#include "movements/EntryDirection.h"
#include "movements/MovementGridEvents.h"
#include "movements/MovementRows.h"
#include "movements/ViewPosition.h"
#include "movements/panNueIngreso.h"
#include "store/Recordset.h"
#include "store/StoreError.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTableView>

namespace tesorin::app {

using movements::panNueIngreso;

namespace {

void showError(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, QStringLiteral("Error"), text);
}

movements::EnteredMovement enteredIn(const panNueIngreso& dialog) {
    return {dialog.DTPicker1->date(), dialog.List1->currentText(), dialog.Text2->toPlainText(),
            dialog.Text1->text(), dialog.Combo1->currentText()};
}

void showMedium(QComboBox& combo, const QString& medium) {
    const int entry = combo.findText(medium);
    if (entry >= 0)
        combo.setCurrentIndex(entry);
    else
        combo.setEditText(medium);
}

} // namespace

void principal::conectaMovimientos() {
    setMenuHandler(QStringLiteral("menuMovIngreso"), [this] { nuevoIngreso(); });
    setMenuHandler(QStringLiteral("menuMovPago"), [this] { nuevoPago(); });
    setMenuHandler(QStringLiteral("menuMovBorrar"), [this] { borraMov(); });
    setButtonAction(0, [this] { nuevoIngreso(); });
    setButtonAction(1, [this] { nuevoPago(); });
    setButtonAction(2, [this] { borraMov(); });
    new movements::MovementGridEvents(
        *m_grid, [this] { MSFlexGrid1_DblClick(); }, [this] { borraMov(); });
}

panNueIngreso& principal::panNueIngresoCargado() {
    if (!m_panNueIngreso)
        m_panNueIngreso = new panNueIngreso(m_estado.baseAbierta, this);
    return *m_panNueIngreso;
}

void principal::descargaPanNueIngreso() {
    delete m_panNueIngreso;
}

bool principal::hayCajaAbierta() {
    if (m_estado.baseAbierta)
        return true;
    showError(this, QStringLiteral("No hay ninguna caja abierta."));
    return false;
}

void principal::nuevoIngreso() {
    if (!hayCajaAbierta())
        return;
    panNueIngreso& dialog = panNueIngresoCargado();
    dialog.Tag = movements::kIncomeTag;
    dialog.setWindowTitle(movements::kNewIncomeCaption);
    dialog.exec();
    const bool accepted = dialog.Tag == movements::kAccepted;
    const movements::EnteredMovement entered = enteredIn(dialog);
    // The dialog stays loaded with this income's fields for the next use,
    // unless the user closed it by its frame.
    if (dialog.closedByFrame())
        descargaPanNueIngreso();
    if (!accepted)
        return;
    try {
        movements::addIncome(*m_estado.baseAbierta, m_estado.recMovimientos, entered);
    } catch (const store::StoreError& failure) {
        showError(this, failure.message());
        return;
    }
    refreshView();
}

void principal::nuevoPago() {
    if (!hayCajaAbierta())
        return;
    panNueIngreso& dialog = panNueIngresoCargado();
    dialog.Tag = movements::kPaymentTag;
    dialog.setWindowTitle(movements::kNewPaymentCaption);
    dialog.exec();
    const bool accepted = dialog.Tag == movements::kAccepted;
    const movements::EnteredMovement entered = enteredIn(dialog);
    descargaPanNueIngreso();
    if (!accepted)
        return;
    try {
        movements::addPayment(*m_estado.baseAbierta, entered);
    } catch (const store::StoreError& failure) {
        showError(this, failure.message());
        return;
    }
    refreshView();
}

void principal::editoPago() {
    if (!hayCajaAbierta())
        return;
    std::optional<movements::MovementToEdit> movement;
    QString idText;
    const long position = m_data1.currentRow();
    try {
        if (m_data1.hasCurrentRow())
            idText = QString::number(m_data1.recordset()->integer(QStringLiteral("idMovimiento")));
        movement = movements::movementToEdit(*m_estado.baseAbierta, idText);
    } catch (const store::StoreError& failure) {
        showError(this, failure.message());
        return;
    }
    const QString notFound = QStringLiteral(
        "Error inesperado, no se pudo localizar el registro a editar de la base de datos");
    if (!movement) {
        showError(this, notFound);
        return;
    }

    panNueIngreso& dialog = panNueIngresoCargado();
    dialog.Tag = movement->direction;
    dialog.setWindowTitle(movement->caption);
    if (movement->fecha.isValid())
        dialog.DTPicker1->setDate(movement->fecha);
    dialog.Text2->setPlainText(movement->detalle);
    dialog.Text1->setText(movement->amountText);
    dialog.List1Tag = movement->cuenta;
    showMedium(*dialog.Combo1, movement->tipo);
    dialog.exec();
    const bool accepted = dialog.Tag == movements::kAccepted;
    const QString caption = dialog.windowTitle();
    const movements::EnteredMovement entered = enteredIn(dialog);
    descargaPanNueIngreso();
    if (!accepted)
        return;
    try {
        if (!movements::saveEditedMovement(*m_estado.baseAbierta, idText, entered, caption)) {
            showError(this, notFound);
            return;
        }
    } catch (const store::StoreError& failure) {
        showError(this, failure.message());
        return;
    }
    // The view is run again so that its totals count the new amount; the
    // edited movement stays the current row.
    refreshView();
    try {
        movements::showMovement(m_data1, idText, position);
    } catch (const store::StoreError& failure) {
        showError(this, failure.message());
    }
}

void principal::borraMov() {
    QMessageBox question(QMessageBox::Critical, QStringLiteral("Pregunta"),
                         QStringLiteral("Está seguro de borrar este movimiento ??"),
                         QMessageBox::Yes | QMessageBox::No, this);
    if (question.exec() != QMessageBox::Yes)
        return;
    if (!m_data1.hasCurrentRow()) {
        showError(this,
                  QStringLiteral(
                      "Registro no seleccionado para borrar o no hay registros para borrar !!"));
        return;
    }
    const long position = m_data1.currentRow();
    try {
        m_data1.recordset()->Delete();
    } catch (const store::StoreError& failure) {
        showError(this, failure.message());
        return;
    }
    // The deleted row leaves the grid and the totals; the current row stays
    // at the same place, or on the last row.
    refreshView();
    movements::showRowAt(m_data1, position);
}

void principal::MSFlexGrid1_DblClick() {
    if (!m_data1.hasCurrentRow()) {
        showError(this, QStringLiteral("No se puede editar este movimiento !"));
        return;
    }
    editoPago();
}

} // namespace tesorin::app
