// The work area's history: steps recorded with the change, undone and made
// again, kept across closing the file, refused when their rows changed since.
#include "history/core/StepNames.h"
#include "history/core/UndoHistory.h"
#include "store/ChangeLog.h"
#include "store/Database.h"
#include "store/StoreError.h"
#include "support/TestWorkArea.h"

#include <QTest>

using namespace tesorin;
using namespace tesorin::history;

namespace {

void inStep(store::Database& db, const QString& name, const QString& sql) {
    store::ChangeStep step(db, name);
    db.exec(sql);
    step.commit();
}

} // namespace

class UndoHistoryTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The names carry their counts as the user reads numbers.
    void stepNamesCountInTheRegionalForm_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one import") << steps::import(1) << "importar 1 movimiento";
        QTest::newRow("large import") << steps::import(100000) << "importar 100.000 movimientos";
        QTest::newRow("one posting") << steps::posting(1) << "asentar 1 movimiento programado";
        QTest::newRow("large posting")
            << steps::posting(250000) << "asentar 250.000 movimientos programados";
    }
    void stepNamesCountInTheRegionalForm() {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QCOMPARE(name, expected);
    }

    // Each kind of change, undone back to the state before it and made again
    // to the state after it, also after the file was closed and opened.
    void everyKindIsUndoneAndRedone_data() {
        QTest::addColumn<QString>("sql");
        QTest::newRow("new movement")
            << "INSERT INTO Movimientos (Fecha, Cuenta, Detalle, Tipo, Ingreso) VALUES "
               "('2026-01-05', 'Sueldo', 'Enero', 'Banco', 1500.25)";
        QTest::newRow("edited movement")
            << "UPDATE Movimientos SET Detalle = 'D''Angelo', Egreso = 3 WHERE idMovimiento = 2";
        QTest::newRow("deleted movement") << "DELETE FROM Movimientos WHERE idMovimiento = 1";
        QTest::newRow("new account")
            << "INSERT INTO Cuentas (Nombre, Tipo) VALUES ('Viajes', 'OU')";
        QTest::newRow("renamed and retyped account")
            << "UPDATE Cuentas SET Nombre = 'Bancos', Tipo = 'IN' WHERE Nombre = 'Banco'";
        QTest::newRow("deleted account") << "DELETE FROM Cuentas WHERE Nombre = 'Alquiler'";
        QTest::newRow("new schedule")
            << "INSERT INTO Programa (Cuenta, Programa, Importe, UltimaFecha) VALUES "
               "('Alquiler', 'Mensual', 900, '2026-01-01')";
        QTest::newRow("many rows of several tables")
            << "DELETE FROM Movimientos; UPDATE Cuentas SET Tipo = 'VS'; UPDATE \"Registro "
               "Usuario\" SET Sufijo = 'h.'";
    }
    void everyKindIsUndoneAndRedone() {
        QFETCH(QString, sql);
        test::TestWorkArea area;
        auto db = area.open();
        test::addMovement(*db, QDate(2026, 1, 1), QStringLiteral("Sueldo"), QStringLiteral("a"),
                          test::money("10"), Money());
        test::addMovement(*db, QDate(2026, 1, 2), QStringLiteral("Banco"), QStringLiteral("b"),
                          Money(), test::money("20.5"));
        const QString before = test::storedRows(*db);
        inStep(*db, QStringLiteral("cambiar"), sql);
        const QString after = test::storedRows(*db);
        QVERIFY(before != after);

        db.reset();
        db = area.open();
        QCOMPARE(undoCaption(stepToUndo(*db)), QStringLiteral("Deshacer cambiar"));
        undoStep(*db, *stepToUndo(*db));
        QCOMPARE(test::storedRows(*db), before);
        QVERIFY(!stepToUndo(*db));
        QCOMPARE(redoCaption(stepToRedo(*db)), QStringLiteral("Rehacer cambiar"));

        db.reset();
        db = area.open();
        redoStep(*db, *stepToRedo(*db));
        QCOMPARE(test::storedRows(*db), after);
        QVERIFY(!stepToRedo(*db));
        QVERIFY(stepToUndo(*db));
    }

    // A deleted movement comes back with its own identifier, and undo tells
    // which movement to show.
    void undoneDeletionKeepsTheIdentifier() {
        test::TestWorkArea area;
        auto db = area.open();
        for (int i = 0; i < 3; ++i)
            test::addMovement(*db, QDate(2026, 1, 1), QStringLiteral("Sueldo"), QStringLiteral("x"),
                              test::money("1"), Money());
        inStep(*db, QStringLiteral("borrar movimiento"),
               QStringLiteral("DELETE FROM Movimientos WHERE idMovimiento = 2"));
        QCOMPARE(undoStep(*db, *stepToUndo(*db)), std::optional<std::int64_t>(2));
        store::Statement ids =
            db->prepare(QStringLiteral("SELECT group_concat(idMovimiento) FROM Movimientos"));
        QVERIFY(ids.step());
        QCOMPARE(ids.text(0), QStringLiteral("1,2,3"));
    }

    // Steps are undone newest first and made again oldest first; a new step
    // drops what could have been made again.
    void stepsStackAndANewStepDropsRedo() {
        test::TestWorkArea area;
        auto db = area.open();
        inStep(*db, QStringLiteral("uno"),
               QStringLiteral("INSERT INTO Cuentas (Nombre, Tipo) VALUES ('Uno', 'IN')"));
        inStep(*db, QStringLiteral("dos"),
               QStringLiteral("INSERT INTO Cuentas (Nombre, Tipo) VALUES ('Dos', 'IN')"));
        undoStep(*db, *stepToUndo(*db));
        QCOMPARE(stepToUndo(*db)->name, QStringLiteral("uno"));
        QCOMPARE(stepToRedo(*db)->name, QStringLiteral("dos"));
        undoStep(*db, *stepToUndo(*db));
        QCOMPARE(stepToRedo(*db)->name, QStringLiteral("uno"));
        redoStep(*db, *stepToRedo(*db));
        QCOMPARE(stepToRedo(*db)->name, QStringLiteral("dos"));
        inStep(*db, QStringLiteral("tres"),
               QStringLiteral("INSERT INTO Cuentas (Nombre, Tipo) VALUES ('Tres', 'IN')"));
        QVERIFY(!stepToRedo(*db));
        QCOMPARE(stepToUndo(*db)->name, QStringLiteral("tres"));
    }

    // A row changed since by something the history did not see refuses the
    // whole step, and nothing changes; so does an account made since with the
    // name a deleted one would take back.
    void conflictingUndoIsRefused_data() {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("since");
        QTest::newRow("edited since") << "UPDATE Movimientos SET Detalle = 'nuevo'"
                                      << "UPDATE Movimientos SET Detalle = 'otro'";
        QTest::newRow("deleted since") << "UPDATE Movimientos SET Detalle = 'nuevo'"
                                       << "DELETE FROM Movimientos";
        QTest::newRow("inserted row deleted since")
            << "INSERT INTO Movimientos (Fecha, Cuenta) VALUES ('2026-02-01', 'Banco')"
            << "DELETE FROM Movimientos WHERE idMovimiento = 2";
        QTest::newRow("name taken since") << "DELETE FROM Cuentas WHERE Nombre = 'Banco'"
                                          << "INSERT INTO Cuentas (Nombre) VALUES ('BANCO')";
    }
    void conflictingUndoIsRefused() {
        QFETCH(QString, step);
        QFETCH(QString, since);
        test::TestWorkArea area;
        auto db = area.open();
        test::addMovement(*db, QDate(2026, 1, 1), QStringLiteral("Banco"), QStringLiteral("a"),
                          test::money("1"), Money());
        inStep(*db, QStringLiteral("cambiar"), step);
        auto other = area.open();
        other->exec(since);
        const QString state = test::storedRows(*db);
        QVERIFY_THROWS_EXCEPTION(store::StoreError, undoStep(*db, *stepToUndo(*db)));
        QCOMPARE(test::storedRows(*db), state);
        QCOMPARE(stepToUndo(*db)->name, QStringLiteral("cambiar"));
    }

    // The stored sums are derived figures: written since, they neither block
    // an undo of the account nor are put back by it.
    void storedSumsNeitherBlockNorReturn() {
        test::TestWorkArea area;
        auto db = area.open();
        inStep(*db, QStringLiteral("modificar cuenta"),
               QStringLiteral("UPDATE Cuentas SET Tipo = 'IN' WHERE Nombre = 'Banco'"));
        db->exec(QStringLiteral("UPDATE Cuentas SET TotEntrada = 5, Saldo = 5"));
        undoStep(*db, *stepToUndo(*db));
        store::Statement row = db->prepare(
            QStringLiteral("SELECT Tipo, TotEntrada FROM Cuentas WHERE Nombre = 'Banco'"));
        QVERIFY(row.step());
        QCOMPARE(row.text(0), QStringLiteral("VS"));
        QCOMPARE(row.real(1), 5.0);
    }

    // A step that changed nothing leaves no trace; a write outside any step is
    // no history; only the newest steps are kept.
    void onlyRealStepsAreKept() {
        test::TestWorkArea area;
        auto db = area.open();
        inStep(*db, QStringLiteral("nada"), QStringLiteral("DELETE FROM Movimientos"));
        QVERIFY(!stepToUndo(*db));
        db->exec(QStringLiteral("INSERT INTO Cuentas (Nombre) VALUES ('Fuera')"));
        QVERIFY(!stepToUndo(*db));
        for (int i = 0; i < store::changelog::kKeptSteps + 5; ++i)
            inStep(*db, QString::number(i),
                   QStringLiteral("INSERT INTO Movimientos (Cuenta) VALUES ('Banco')"));
        store::Statement count = db->prepare(QStringLiteral(
            "SELECT (SELECT count(*) FROM Historial), (SELECT count(*) FROM \"Historial "
            "Movimientos\")"));
        QVERIFY(count.step());
        QCOMPARE(count.int64(0), store::changelog::kKeptSteps);
        QCOMPARE(count.int64(1), store::changelog::kKeptSteps);
    }

    // A failed step records nothing and leaves the writes of no step
    // unrecorded afterwards.
    void aFailedStepLeavesNothing() {
        test::TestWorkArea area;
        auto db = area.open();
        inStep(*db, QStringLiteral("hecho"),
               QStringLiteral("INSERT INTO Cuentas (Nombre, Tipo) VALUES ('Uno', 'IN')"));
        {
            store::ChangeStep step(*db, QStringLiteral("fallido"));
            db->exec(QStringLiteral("INSERT INTO Movimientos (Cuenta) VALUES ('Banco')"));
        }
        db->exec(QStringLiteral("INSERT INTO Movimientos (Cuenta) VALUES ('Banco')"));
        QCOMPARE(stepToUndo(*db)->name, QStringLiteral("hecho"));
        store::Statement count =
            db->prepare(QStringLiteral("SELECT count(*) FROM \"Historial Movimientos\""));
        QVERIFY(count.step());
        QCOMPARE(count.int64(0), 0);
    }

    // A step that adds its rows in bulk records them when it ends; rolled
    // back, the rows of later steps are recorded one by one again.
    void bulkAddedRowsAreRecordedAtTheEnd() {
        test::TestWorkArea area;
        auto db = area.open();
        {
            store::ChangeStep step(*db, QStringLiteral("fallido"));
            step.recordAddedRowsAtCommit(QStringLiteral("Movimientos"));
            db->exec(QStringLiteral("INSERT INTO Movimientos (Cuenta) VALUES ('Banco')"));
        }
        {
            store::ChangeStep step(*db, QStringLiteral("importar 2 movimientos"));
            step.recordAddedRowsAtCommit(QStringLiteral("Movimientos"));
            db->exec(
                QStringLiteral("INSERT INTO Movimientos (Cuenta) VALUES ('Banco'), ('Efectivo'); "
                               "INSERT INTO Cuentas (Nombre) VALUES ('Nueva')"));
            step.commit();
        }
        inStep(*db, QStringLiteral("agregar pago"),
               QStringLiteral("INSERT INTO Movimientos (Cuenta) VALUES ('Sueldo')"));
        const QString withAll = test::storedRows(*db);
        undoStep(*db, *stepToUndo(*db));
        store::Statement left = db->prepare(QStringLiteral("SELECT count(*) FROM Movimientos"));
        QVERIFY(left.step());
        QCOMPARE(left.int64(0), 2);
        QCOMPARE(stepToUndo(*db)->name, QStringLiteral("importar 2 movimientos"));
        undoStep(*db, *stepToUndo(*db));
        QCOMPARE(test::storedRows(*db).count(QStringLiteral("Nueva")), 0);
        redoStep(*db, *stepToRedo(*db));
        redoStep(*db, *stepToRedo(*db));
        QCOMPARE(test::storedRows(*db), withAll);
    }
};

TESORIN_TEST_MAIN(UndoHistoryTest)
#include "tst_undo_history.moc"
