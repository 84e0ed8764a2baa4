#pragma once

#include <QDate>
#include <QString>

#include <memory>
#include <optional>

namespace tesorin::store {
class Database;
class Recordset;
} // namespace tesorin::store

// The rows of Movimientos that the movement operations add and edit, from
// the fields of the entry dialog. Amount texts are read by the regional
// number reading, so a text in the currency format reads back to the same
// value. Every write is one statement: a failure (store::StoreError, with
// the store's message) leaves the work area as it was.
namespace tesorin::movements {

// What the user typed in the entry dialog.
struct EnteredMovement {
    QDate fecha;
    QString cuenta;
    QString detalle;
    QString amountText;
    QString tipo; // the medium of payment
};

// Adds an income through the shared movement cursor (recMovimientos), opened
// on the table for the operation and closed again. Egreso is not written:
// it takes the column's default, 0.
void addIncome(store::Database& db, std::unique_ptr<store::Recordset>& recMovimientos,
               const EnteredMovement& entered);
// Adds a payment: Egreso the amount, Ingreso 0.
void addPayment(store::Database& db, const EnteredMovement& entered);

// A stored movement as the entry dialog shows it for editing.
struct MovementToEdit {
    QString direction; // the dialog's Tag: "Nuevo Pago" or "Nuevo Ingreso"
    QString caption;   // "Editar Pago" or "Editar Ingreso"
    QDate fecha;
    QString detalle;
    QString amountText; // the plain number text of the locale
    QString cuenta;
    QString tipo;
};

// The movement whose idMovimiento is idText, found with "select * from
// Movimientos where idMovimiento = " followed by it; empty when there is
// none. A payment when its Egreso is not 0 (an empty one counts as 0),
// otherwise an income; the amount shown is the one of its direction.
std::optional<MovementToEdit> movementToEdit(store::Database& db, const QString& idText);

// Rewrites the movement from the dialog's fields. The caption the dialog
// came back with decides the direction: "Editar Ingreso" stores the amount
// as Ingreso and Egreso 0, anything else as Egreso and Ingreso 0. False when
// the movement is no longer there.
bool saveEditedMovement(store::Database& db, const QString& idText, const EnteredMovement& entered,
                        const QString& caption);

} // namespace tesorin::movements
