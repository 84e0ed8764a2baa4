#include "movements/ui/MovementOperations.h"

#include "history/core/StepNames.h"
#include "movements/core/EntryDirection.h"
#include "movements/core/MovementRows.h"
#include "movements/core/ViewPosition.h"
#include "movements/ui/MovementGridEvents.h"
#include "movements/ui/panNueIngreso.h"
#include "store/ChangeLog.h"
#include "store/Recordset.h"
#include "store/StoreError.h"
#include "ui/common/ErrorMessage.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/OperationContext.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTableView>

namespace tesorin::movements {

using ui::showError;
using ui::showStoreError;

namespace {

EnteredMovement enteredIn(const panNueIngreso& dialog) {
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

MovementOperations::MovementOperations(ui::OperationContext& context, QObject* parent)
    : QObject(parent), m_context(context) {}

panNueIngreso& MovementOperations::panNueIngresoCargado() {
    if (!m_panNueIngreso)
        m_panNueIngreso =
            new panNueIngreso(m_context.state().baseAbierta, m_context.parentWindow());
    return *m_panNueIngreso;
}

void MovementOperations::descargaPanNueIngreso() {
    delete m_panNueIngreso;
}

void MovementOperations::nuevoIngreso() {
    if (!ui::requireOpenWorkArea(m_context))
        return;
    panNueIngreso& dialog = panNueIngresoCargado();
    dialog.Tag = kIncomeTag;
    dialog.setWindowTitle(kNewIncomeCaption);
    dialog.exec();
    const bool accepted = dialog.Tag == kAccepted;
    const EnteredMovement entered = enteredIn(dialog);
    // The dialog stays loaded with this income's fields for the next use,
    // unless the user closed it by its frame.
    if (dialog.closedByFrame())
        descargaPanNueIngreso();
    if (!accepted)
        return;
    try {
        addIncome(*m_context.state().baseAbierta, m_context.state().recMovimientos, entered);
    } catch (const store::StoreError& failure) {
        showStoreError(m_context.parentWindow(), failure);
        return;
    }
    m_context.refreshView();
}

void MovementOperations::nuevoPago() {
    if (!ui::requireOpenWorkArea(m_context))
        return;
    panNueIngreso& dialog = panNueIngresoCargado();
    dialog.Tag = kPaymentTag;
    dialog.setWindowTitle(kNewPaymentCaption);
    dialog.exec();
    const bool accepted = dialog.Tag == kAccepted;
    const EnteredMovement entered = enteredIn(dialog);
    descargaPanNueIngreso();
    if (!accepted)
        return;
    try {
        addPayment(*m_context.state().baseAbierta, entered);
    } catch (const store::StoreError& failure) {
        showStoreError(m_context.parentWindow(), failure);
        return;
    }
    m_context.refreshView();
}

void MovementOperations::editoPago() {
    if (!ui::requireOpenWorkArea(m_context))
        return;
    std::optional<MovementToEdit> movement;
    QString idText;
    const long position = m_context.data1().currentRow();
    try {
        if (m_context.data1().hasCurrentRow())
            idText = QString::number(
                m_context.data1().recordset()->integer(QStringLiteral("idMovimiento")));
        movement = movementToEdit(*m_context.state().baseAbierta, idText);
    } catch (const store::StoreError& failure) {
        showStoreError(m_context.parentWindow(), failure);
        return;
    }
    const QString notFound = QStringLiteral(
        "Error inesperado, no se pudo localizar el registro a editar de la base de datos");
    if (!movement) {
        showError(m_context.parentWindow(), notFound);
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
    const bool accepted = dialog.Tag == kAccepted;
    const QString caption = dialog.windowTitle();
    const EnteredMovement entered = enteredIn(dialog);
    descargaPanNueIngreso();
    if (!accepted)
        return;
    try {
        if (!saveEditedMovement(*m_context.state().baseAbierta, idText, entered, caption)) {
            showError(m_context.parentWindow(), notFound);
            return;
        }
    } catch (const store::StoreError& failure) {
        showStoreError(m_context.parentWindow(), failure);
        return;
    }
    // The view is run again so that its totals count the new amount; the
    // edited movement stays the current row.
    m_context.refreshView();
    try {
        showMovement(m_context.data1(), idText, position);
    } catch (const store::StoreError& failure) {
        showStoreError(m_context.parentWindow(), failure);
    }
}

void MovementOperations::borraMov() {
    if (ui::MessageBoxes::critical(m_context.parentWindow(), QStringLiteral("Pregunta"),
                                   QStringLiteral("Está seguro de borrar este movimiento ??"),
                                   QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    if (!m_context.data1().hasCurrentRow()) {
        showError(m_context.parentWindow(),
                  QStringLiteral(
                      "Registro no seleccionado para borrar o no hay registros para borrar !!"));
        return;
    }
    const long position = m_context.data1().currentRow();
    try {
        // The grid's own connection deletes the row, so the step is its own.
        store::ChangeStep step(*m_context.data1().database(), history::steps::kDeleteMovement);
        m_context.data1().recordset()->Delete();
        step.commit();
    } catch (const store::StoreError& failure) {
        showStoreError(m_context.parentWindow(), failure);
        return;
    }
    // The deleted row leaves the grid and the totals; the current row stays
    // at the same place, or on the last row.
    m_context.refreshView();
    showRowAt(m_context.data1(), position);
}

void MovementOperations::MSFlexGrid1_DblClick() {
    if (!m_context.data1().hasCurrentRow()) {
        showError(m_context.parentWindow(), QStringLiteral("No se puede editar este movimiento !"));
        return;
    }
    editoPago();
}

} // namespace tesorin::movements
