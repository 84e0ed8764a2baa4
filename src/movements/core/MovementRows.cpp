#include "movements/core/MovementRows.h"

#include "base/Regional.h"
#include "history/core/StepNames.h"
#include "movements/core/EntryDirection.h"
#include "store/ChangeLog.h"
#include "store/Database.h"
#include "store/Recordset.h"

namespace tesorin::movements {

namespace {

const QString kTable = QStringLiteral("Movimientos");
const QString kIncome = QStringLiteral("Ingreso");
const QString kExpense = QStringLiteral("Egreso");

// The query of one movement by its identifier, a number put bare into the text.
QString movementQuery(const QString& idText) {
    return QStringLiteral("select * from Movimientos where idMovimiento = ") + idText;
}

// Fecha, Detalle, Cuenta and Tipo, the same for either direction. The detail
// is always a text, the empty one when nothing was typed.
void writeCommonFields(store::Recordset& row, const EnteredMovement& entered) {
    row.setDate(QStringLiteral("Fecha"), entered.fecha);
    row.setValue(QStringLiteral("Detalle"),
                 entered.detalle.isNull() ? QLatin1String("") : entered.detalle);
    row.setValue(QStringLiteral("Cuenta"), entered.cuenta);
    row.setValue(QStringLiteral("Tipo"), entered.tipo);
}

// A key made of digits only, so that no other text reaches the query.
bool isMovementId(const QString& idText) {
    if (idText.isEmpty())
        return false;
    for (const QChar c : idText) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

} // namespace

void addIncome(store::Database& db, std::unique_ptr<store::Recordset>& recMovimientos,
               const EnteredMovement& entered) {
    store::ChangeStep step(db, history::steps::kNewIncome);
    recMovimientos = db.OpenRecordset(kTable);
    try {
        recMovimientos->AddNew();
        writeCommonFields(*recMovimientos, entered);
        recMovimientos->setValue(kIncome, entered.amountText);
        recMovimientos->Update();
    } catch (...) {
        recMovimientos.reset();
        throw;
    }
    recMovimientos.reset();
    step.commit();
}

void addPayment(store::Database& db, const EnteredMovement& entered) {
    store::ChangeStep step(db, history::steps::kNewPayment);
    auto row = db.OpenRecordset(kTable);
    row->AddNew();
    writeCommonFields(*row, entered);
    row->setValue(kExpense, entered.amountText);
    row->setMoney(kIncome, Money());
    row->Update();
    row->Close();
    step.commit();
}

std::optional<MovementToEdit> movementToEdit(store::Database& db, const QString& idText) {
    if (!isMovementId(idText))
        return std::nullopt;
    auto row = db.OpenRecordset(movementQuery(idText));
    if (row->atEOF())
        return std::nullopt;
    MovementToEdit movement;
    const Money expense = row->money(kExpense);
    const bool payment = !expense.isZero();
    movement.direction = payment ? kPaymentTag : kIncomeTag;
    movement.caption = payment ? kEditPaymentCaption : kEditIncomeCaption;
    movement.fecha = row->date(QStringLiteral("Fecha"));
    movement.detalle = row->text(QStringLiteral("Detalle"));
    movement.amountText = regional::plainNumber(payment ? expense : row->money(kIncome));
    movement.cuenta = row->text(QStringLiteral("Cuenta"));
    movement.tipo = row->text(QStringLiteral("Tipo"));
    row->Close();
    return movement;
}

bool saveEditedMovement(store::Database& db, const QString& idText, const EnteredMovement& entered,
                        const QString& caption) {
    if (!isMovementId(idText))
        return false;
    store::ChangeStep step(db, history::steps::kEditMovement);
    auto row = db.OpenRecordset(movementQuery(idText));
    if (row->atEOF())
        return false;
    const bool income = caption == kEditIncomeCaption;
    row->Edit();
    writeCommonFields(*row, entered);
    row->setMoney(income ? kExpense : kIncome, Money());
    row->setValue(income ? kIncome : kExpense, entered.amountText);
    row->Update();
    row->Close();
    step.commit();
    return true;
}

} // namespace tesorin::movements
