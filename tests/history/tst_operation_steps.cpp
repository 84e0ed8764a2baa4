// Each operation that changes a work area is one step of its history, named
// as "Deshacer" shows it, undone back to the state before it and made again.
#include "accounts/core/ChartOfAccounts.h"
#include "exchange/core/ImportPlan.h"
#include "history/core/UndoHistory.h"
#include "movements/core/EntryDirection.h"
#include "movements/core/MovementRows.h"
#include "profile/core/OwnerProfile.h"
#include "schedule/core/PostingStep.h"
#include "schedule/core/SchedulePosting.h"
#include "schedule/core/ScheduleRecord.h"
#include "store/Database.h"
#include "store/Recordset.h"
#include "support/TestWorkArea.h"

#include <QTest>

#include <functional>

using namespace tesorin;

namespace {

using Operation = std::function<void(store::Database&)>;

schedule::ScheduleEntry dailyRent() {
    schedule::ScheduleEntry rent;
    rent.account = QStringLiteral("Alquiler");
    rent.frequency = QStringLiteral("Diaria");
    rent.amount = QStringLiteral("100");
    rent.direction = QStringLiteral("OU");
    return rent;
}

exchange::PlannedRow plannedRow(int day, const char* amount) {
    exchange::PlannedRow row;
    row.row.line = day;
    row.row.date = QDate(2024, 2, day);
    row.row.detail = QStringLiteral("Banco línea %1").arg(day);
    row.row.amount = test::money(amount);
    row.ticked = true;
    return row;
}

} // namespace

Q_DECLARE_METATYPE(Operation)

class OperationStepsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void operationIsOneStep_data() {
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<QString>("caption");
        const movements::EnteredMovement entered{QDate(2024, 3, 1), QStringLiteral("Sueldo"),
                                                 QStringLiteral("Marzo"), QStringLiteral("1500,5"),
                                                 QStringLiteral("Banco")};
        QTest::newRow("income") << Operation([entered](store::Database& db) {
            std::unique_ptr<store::Recordset> cursor;
            movements::addIncome(db, cursor, entered);
        }) << "Deshacer agregar ingreso";
        QTest::newRow("payment") << Operation([entered](store::Database& db) {
            movements::addPayment(db, entered);
        }) << "Deshacer agregar pago";
        QTest::newRow("edited movement") << Operation([entered](store::Database& db) {
            QVERIFY(movements::saveEditedMovement(db, QStringLiteral("1"), entered,
                                                  movements::kEditPaymentCaption));
        }) << "Deshacer modificar movimiento";
        QTest::newRow("new account") << Operation([](store::Database& db) {
            std::unique_ptr<store::Recordset> cursor;
            accounts::createAccount(db, cursor, QStringLiteral("Viajes"), QStringLiteral("OU"));
        }) << "Deshacer agregar cuenta";
        QTest::newRow("renamed account") << Operation([](store::Database& db) {
            std::unique_ptr<store::Recordset> cursor;
            accounts::changeAccount(db, cursor, QStringLiteral("Banco"), QStringLiteral("Caja"),
                                    QStringLiteral("IN"));
        }) << "Deshacer modificar cuenta";
        QTest::newRow("deleted account") << Operation([](store::Database& db) {
            std::unique_ptr<store::Recordset> cursor;
            accounts::deleteAccount(db, cursor, QStringLiteral("Alquiler"));
        }) << "Deshacer borrar cuenta";
        QTest::newRow("new schedule") << Operation([](store::Database& db) {
            schedule::addSchedule(db, dailyRent(), QDate(2024, 3, 1));
        }) << "Deshacer agregar movimiento programado";
        QTest::newRow("edited schedule") << Operation([](store::Database& db) {
            schedule::ScheduleEntry entry = dailyRent();
            entry.amount = QStringLiteral("250");
            schedule::rewriteSchedule(db, 1, entry);
        }) << "Deshacer modificar movimiento programado";
        QTest::newRow("deleted schedule")
            << Operation([](store::Database& db) { schedule::deleteSchedule(db, 1); })
            << "Deshacer borrar movimiento programado";
        QTest::newRow("posting") << Operation([](store::Database& db) {
            const QDate today(2024, 3, 4);
            schedule::postDueMovements(db, schedule::duePosting(db, today), today);
        }) << "Deshacer asentar 4 movimientos programados";
        QTest::newRow("import") << Operation([](store::Database& db) {
            exchange::ImportTarget target;
            target.account = QStringLiteral("Efectivo");
            exchange::writeImport(db, {plannedRow(3, "12.5"), plannedRow(4, "-7")}, target);
        }) << "Deshacer importar 2 movimientos";
        QTest::newRow("owner's profile") << Operation([](store::Database& db) {
            QStringList values(profile::kProfileFields, QStringLiteral("D'Alessio"));
            profile::saveOwnerProfile(db, values);
        }) << "Deshacer modificar datos del titular";
    }
    void operationIsOneStep() {
        QFETCH(Operation, operation);
        QFETCH(QString, caption);
        test::TestWorkArea area;
        auto db = area.open();
        test::addMovement(*db, QDate(2024, 2, 1), QStringLiteral("Sueldo"), QStringLiteral("a"),
                          test::money("10"), Money());
        db->exec(QStringLiteral("INSERT INTO Programa (Cuenta, Programa, Importe, Tipo, "
                                "UltimaFecha) VALUES ('Alquiler', 'Diaria', 100, 'OU', "
                                "'2024-02-29')"));
        const QString before = test::storedRows(*db);
        operation(*db);
        const QString after = test::storedRows(*db);
        QVERIFY(before != after);

        // The history is in the file: a later session undoes it.
        db = area.open();
        QCOMPARE(history::undoCaption(history::stepToUndo(*db)), caption);
        history::undoStep(*db, *history::stepToUndo(*db));
        QCOMPARE(test::storedRows(*db), before);
        QVERIFY(!history::stepToUndo(*db));
        history::redoStep(*db, *history::stepToRedo(*db));
        QCOMPARE(test::storedRows(*db), after);
    }
};

TESORIN_TEST_MAIN(OperationStepsTest)
#include "tst_operation_steps.moc"
