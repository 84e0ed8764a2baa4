// The rows the movement operations write, without a window: directions,
// amounts as the dialog gives them, and the current row after a change.
#include "base/Regional.h"
#include "movements/core/MovementRows.h"
#include "movements/core/ViewPosition.h"
#include "store/DataControl.h"
#include "store/Database.h"
#include "store/Recordset.h"
#include "store/StoreError.h"
#include "support/TestWorkArea.h"

#include <QTest>

using namespace tesorin;
using namespace tesorin::movements;

namespace {

struct StoredRow {
    QString fecha, cuenta, detalle, tipo;
    QVariant ingreso, egreso; // as stored: null stays null
};

StoredRow stored(store::Database& db, qint64 id) {
    store::Statement query = db.prepare(QStringLiteral(
        "SELECT Fecha, Cuenta, Detalle, Tipo, Ingreso, Egreso, Detalle IS NULL FROM Movimientos "
        "WHERE idMovimiento = ?"));
    query.bindInt64(1, id);
    if (!query.step())
        return {};
    return {
        query.text(0), query.text(1),  query.int64(6) ? QStringLiteral("<null>") : query.text(2),
        query.text(3), query.value(4), query.value(5)};
}

qint64 lastId(store::Database& db) {
    store::Statement query =
        db.prepare(QStringLiteral("SELECT max(idMovimiento) FROM Movimientos"));
    query.step();
    return query.int64(0);
}

long movementCount(store::Database& db) {
    store::Statement query = db.prepare(QStringLiteral("SELECT count(*) FROM Movimientos"));
    query.step();
    return long(query.int64(0));
}

const EnteredMovement kEntered{QDate(2024, 3, 9), QStringLiteral("D'Angelo"), QString(),
                               QStringLiteral("$\u00a01.234,50"), QStringLiteral("Tarjeta")};

} // namespace

class MovementRowsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorkArea> area;
    std::unique_ptr<store::Database> db;
private Q_SLOTS:
    void init() {
        area = std::make_unique<test::TestWorkArea>();
        db = area->open();
    }
    void cleanup() {
        db.reset();
        area.reset();
    }
    void anIncomeLeavesEgresoToItsDefault() {
        std::unique_ptr<store::Recordset> recMovimientos;
        addIncome(*db, recMovimientos, kEntered);
        QVERIFY2(!recMovimientos, "the shared cursor is closed after the operation");
        const StoredRow row = stored(*db, lastId(*db));
        QCOMPARE(row.fecha, QStringLiteral("2024-03-09"));
        QCOMPARE(row.cuenta, QStringLiteral("D'Angelo"));
        QCOMPARE(row.detalle, QString()); // the empty text, not a missing value
        QCOMPARE(row.tipo, QStringLiteral("Tarjeta"));
        QCOMPARE(row.ingreso.toDouble(), 1234.5);
        QCOMPARE(row.egreso.toDouble(), 0.0);
    }

    void aPaymentStoresIngresoZero() {
        addPayment(*db, {QDate(2024, 3, 9), QStringLiteral("Alquiler"), QStringLiteral("marzo"),
                         QStringLiteral("-5"), QStringLiteral("Efectivo")});
        const StoredRow row = stored(*db, lastId(*db));
        QCOMPARE(row.detalle, QStringLiteral("marzo"));
        QCOMPARE(row.egreso.toDouble(), -5.0);
        QCOMPARE(row.ingreso.typeId(), QMetaType::Double);
        QCOMPARE(row.ingreso.toDouble(), 0.0);
    }

    void editingTakesTheDirectionFromEgreso_data() {
        QTest::addColumn<QString>("ingreso");
        QTest::addColumn<QString>("egreso");
        QTest::addColumn<QString>("direction");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<double>("newIngreso");
        QTest::addColumn<double>("newEgreso");
        QTest::newRow("a payment") << "0"
                                   << "250"
                                   << "Nuevo Pago"
                                   << "Editar Pago"
                                   << "250" << 0.0 << 75.25;
        QTest::newRow("both zero: an income") << "0"
                                              << "0"
                                              << "Nuevo Ingreso"
                                              << "Editar Ingreso"
                                              << "0" << 75.25 << 0.0;
        QTest::newRow("both set: a payment, Ingreso cleared") << "5"
                                                              << "10"
                                                              << "Nuevo Pago"
                                                              << "Editar Pago"
                                                              << "10" << 0.0 << 75.25;
        QTest::newRow("an income with decimals") << "1500.5"
                                                 << "0"
                                                 << "Nuevo Ingreso"
                                                 << "Editar Ingreso"
                                                 << "1500,5" << 75.25 << 0.0;
    }
    void editingTakesTheDirectionFromEgreso() {
        QFETCH(QString, ingreso);
        QFETCH(QString, egreso);
        QFETCH(QString, direction);
        QFETCH(QString, caption);
        QFETCH(QString, amount);
        QFETCH(double, newIngreso);
        QFETCH(double, newEgreso);
        const qint64 id =
            test::addMovement(*db, QDate(2024, 1, 9), QStringLiteral("Banco"),
                              QStringLiteral("cuota"), test::money(qPrintable(ingreso)),
                              test::money(qPrintable(egreso)), QStringLiteral("Cheques"));
        const std::optional<MovementToEdit> movement = movementToEdit(*db, QString::number(id));
        QVERIFY(movement);
        QCOMPARE(movement->direction, direction);
        QCOMPARE(movement->caption, caption);
        QCOMPARE(movement->amountText, amount);
        QCOMPARE(movement->fecha, QDate(2024, 1, 9));
        QCOMPARE(movement->detalle, QStringLiteral("cuota"));
        QCOMPARE(movement->cuenta, QStringLiteral("Banco"));
        QCOMPARE(movement->tipo, QStringLiteral("Cheques"));

        const EnteredMovement entered{QDate(2024, 2, 1), QStringLiteral("Efectivo"), QString(),
                                      regional::currency(test::money("75.25")),
                                      QStringLiteral("Otras...")};
        QVERIFY(saveEditedMovement(*db, QString::number(id), entered, caption));
        const StoredRow row = stored(*db, id);
        QCOMPARE(row.ingreso.toDouble(), newIngreso);
        QCOMPARE(row.egreso.toDouble(), newEgreso);
        QCOMPARE(row.fecha, QStringLiteral("2024-02-01"));
        QCOMPARE(row.cuenta, QStringLiteral("Efectivo"));
        QCOMPARE(row.detalle, QString());
        QCOMPARE(row.tipo, QStringLiteral("Otras..."));
        QCOMPARE(movementCount(*db), 1L);
    }

    void aMovementThatIsNotThereIsNotFound_data() {
        QTest::addColumn<QString>("idText");
        QTest::newRow("no such id") << "99";
        QTest::newRow("no id at all") << "";
        QTest::newRow("not a number") << "1 or 1=1";
    }
    void aMovementThatIsNotThereIsNotFound() {
        QFETCH(QString, idText);
        test::addMovement(*db, QDate(2024, 1, 9), QStringLiteral("Banco"), QString(),
                          test::money("1"), test::money("0"));
        QVERIFY(!movementToEdit(*db, idText));
        QVERIFY(!saveEditedMovement(*db, idText, kEntered, QStringLiteral("Editar Ingreso")));
        QCOMPARE(stored(*db, 1).ingreso.toDouble(), 1.0);
    }

    void aFailedWriteLeavesTheWorkAreaAsItWas() {
        const qint64 id = test::addMovement(*db, QDate(2024, 1, 9), QStringLiteral("Banco"),
                                            QString(), test::money("1"), test::money("0"));
        db->exec(QStringLiteral("PRAGMA query_only = 1"));
        std::unique_ptr<store::Recordset> recMovimientos;
        QVERIFY_THROWS_EXCEPTION(store::StoreError, addIncome(*db, recMovimientos, kEntered));
        QVERIFY(!recMovimientos);
        QVERIFY_THROWS_EXCEPTION(store::StoreError, addPayment(*db, kEntered));
        QVERIFY_THROWS_EXCEPTION(
            store::StoreError,
            saveEditedMovement(*db, QString::number(id), kEntered, QStringLiteral("Editar Pago")));
        QCOMPARE(movementCount(*db), 1L);
        QCOMPARE(stored(*db, id).ingreso.toDouble(), 1.0);
    }

    void anAmountTheStoreCannotKeepIsRefused() {
        EnteredMovement entered = kEntered;
        entered.amountText = QStringLiteral("900000000001");
        QVERIFY_THROWS_EXCEPTION(store::StoreError, addPayment(*db, entered));
        QCOMPARE(movementCount(*db), 0L);
    }

    void theCurrentRowAfterAChange_data() {
        QTest::addColumn<long>("position");
        QTest::addColumn<long>("expected");
        QTest::newRow("same place") << 1L << 1L;
        QTest::newRow("past the end: the last row") << 5L << 2L;
        QTest::newRow("first") << 0L << 0L;
    }
    void theCurrentRowAfterAChange() {
        QFETCH(long, position);
        QFETCH(long, expected);
        for (int day = 1; day <= 3; ++day)
            test::addMovement(*db, QDate(2024, 1, day), QStringLiteral("Banco"), QString(),
                              test::money("1"), test::money("0"));
        store::DataControl data;
        data.setDatabaseName(QStringLiteral("BASE.MDB"));
        data.setRecordSource(QStringLiteral("select * from Movimientos order by fecha"));
        data.Refresh();
        showRowAt(data, position);
        QCOMPARE(data.currentRow(), expected);
    }

    void theEditedMovementStaysCurrentWhereverTheOrderPutsIt() {
        test::addMovement(*db, QDate(2024, 1, 1), QStringLiteral("Banco"), QString(),
                          test::money("1"), test::money("0"));
        const qint64 moved = test::addMovement(*db, QDate(2024, 12, 1), QStringLiteral("Banco"),
                                               QString(), test::money("1"), test::money("0"));
        test::addMovement(*db, QDate(2024, 6, 1), QStringLiteral("Banco"), QString(),
                          test::money("1"), test::money("0"));
        store::DataControl data;
        data.setDatabaseName(QStringLiteral("BASE.MDB"));
        data.setRecordSource(QStringLiteral("select * from Movimientos order by fecha"));
        data.Refresh();
        showMovement(data, QString::number(moved), 0);
        QCOMPARE(data.currentRow(), 2L);
        // A movement the view no longer lists leaves the current row at the place it had.
        data.setRecordSource(QStringLiteral(
            "select * from Movimientos where Fecha < cdate('1/7/2024') order by fecha"));
        data.Refresh();
        showMovement(data, QString::number(moved), 1);
        QCOMPARE(data.currentRow(), 1L);
    }
};

TESORIN_TEST_MAIN(MovementRowsTest)
#include "tst_movement_rows.moc"
