// Reading and writing rows through recordsets and the data control.
#include "store/DataControl.h"
#include "store/Database.h"
#include "store/Recordset.h"
#include "store/StoreError.h"
#include "support/TestWorkArea.h"

#include <QSignalSpy>
#include <QTest>

using namespace tesorin;
using namespace tesorin::store;
using tesorin::test::money;

class RecordsetTest : public QObject {
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
    void textsAreConvertedToTheFieldsType() {
        auto rows = db->OpenRecordset(QStringLiteral("Movimientos"));
        rows->AddNew();
        rows->setValue(QStringLiteral("Fecha"), QStringLiteral("09/01/2005"));
        rows->setValue(QStringLiteral("Cuenta"), QStringLiteral("Banco"));
        rows->setValue(QStringLiteral("Ingreso"), QStringLiteral("$ 1.500,50"));
        rows->Update();
        auto back =
            db->OpenRecordset(QStringLiteral("select * from Movimientos where idMovimiento = ") +
                              QString::number(rows->lastAddedId()));
        QCOMPARE(back->date(QStringLiteral("Fecha")), QDate(2005, 1, 9));
        QCOMPARE(back->money(QStringLiteral("Ingreso")), money("1500.5"));
        QCOMPARE(back->money(QStringLiteral("Egreso")), Money()); // the default 0
        QCOMPARE(back->text(QStringLiteral("Detalle")), QString());

        auto schedule = db->OpenRecordset(QStringLiteral("Programa"));
        schedule->AddNew();
        schedule->setValue(QStringLiteral("DiaDelMes"), QStringLiteral("15"));
        schedule->setValue(QStringLiteral("FinDeSemana"), true);
        schedule->setValue(QStringLiteral("Importe"), QStringLiteral("0,0001"));
        schedule->Update();
        schedule->MoveFirst();
        QCOMPARE(schedule->integer(QStringLiteral("DiaDelMes")), 15);
        QVERIFY(schedule->yesNo(QStringLiteral("FinDeSemana")));
        QCOMPARE(schedule->money(QStringLiteral("Importe")).units(), 1);
    }

    void editDeleteAndWalkOn() {
        for (int day = 1; day <= 3; ++day)
            test::addMovement(*db, QDate(2024, 1, day), QStringLiteral("Banco"),
                              QString::number(day), money("10"), money("0"));
        auto rows = db->OpenRecordset(QStringLiteral("select * from movimientos order by fecha"));
        QCOMPARE(rows->AbsolutePosition(), 0L);
        rows->MoveNext();
        rows->Edit();
        rows->setValue(QStringLiteral("Detalle"), QStringLiteral("dos"));
        QCOMPARE(rows->text(QStringLiteral("Detalle")), QStringLiteral("dos"));
        rows->Update();
        QCOMPARE(rows->text(QStringLiteral("Detalle")), QStringLiteral("dos"));
        rows->Delete();
        QCOMPARE(rows->AbsolutePosition(), -1L);
        rows->MoveNext();
        QCOMPARE(rows->text(QStringLiteral("Detalle")), QStringLiteral("3"));
        rows->MoveNext();
        QVERIFY(rows->atEOF());
        QVERIFY_THROWS_EXCEPTION(StoreError, rows->MoveNext());
        QCOMPARE(rows->RecordCount(), 2L);
    }

    void sumsAreExactToTheLastCent() {
        {
            Transaction transaction(*db);
            for (int i = 0; i < 1000; ++i)
                test::addMovement(*db, QDate(2024, 1, 1), QStringLiteral("Banco"), QString(),
                                  money("0.1"), money("0.01"));
            transaction.commit();
        }
        auto rows = db->OpenRecordset(QStringLiteral("select * from Movimientos order by fecha"));
        const std::vector<MoneySum> sums =
            rows->sums({QStringLiteral("Ingreso"), QStringLiteral("Egreso")});
        QCOMPARE(sums[0], money("100"));
        QCOMPARE(sums[1], money("10"));
    }

    // Two amounts near the limit: each is one, their total is not, and the
    // total is still exact.
    void sumsGoBeyondWhatOneAmountHolds() {
        test::addMovement(*db, QDate(2024, 1, 1), QStringLiteral("Banco"), QString(), Money(),
                          money("899999999999.9999"));
        test::addMovement(*db, QDate(2024, 1, 2), QStringLiteral("Banco"), QString(), Money(),
                          money("99.9999"));
        auto rows = db->OpenRecordset(QStringLiteral("select * from Movimientos order by fecha"));
        const std::vector<MoneySum> sums =
            rows->sums({QStringLiteral("Ingreso"), QStringLiteral("Egreso")});
        QCOMPARE(sums[0].units(), 0);
        QCOMPARE(sums[1].units(), 9'000'000'000'999'998LL);
    }

    void theDataControlKeepsItsTotalsWhileTheRowMoves() {
        test::addMovement(*db, QDate(2024, 1, 1), QStringLiteral("Banco"), QString(), money("100"),
                          money("0"));
        test::addMovement(*db, QDate(2024, 1, 2), QStringLiteral("Banco"), QString(), money("50"),
                          money("0"));
        test::addMovement(*db, QDate(2024, 1, 3), QStringLiteral("Banco"), QString(), money("0"),
                          money("30"));
        DataControl data;
        QSignalSpy reposition(&data, &DataControl::Reposition);
        data.setDatabaseName(QStringLiteral("BASE.MDB"));
        data.setRecordSource(QStringLiteral("select * from Movimientos order by fecha"));
        data.Refresh();
        QCOMPARE(reposition.count(), 1);
        QCOMPARE(data.currentRow(), 0L);
        QCOMPARE(data.viewTotals().income, money("150"));
        QCOMPARE(data.viewTotals().expense, money("30"));

        // A write through the program's other connection shows after a refresh.
        test::addMovement(*db, QDate(2024, 1, 4), QStringLiteral("Banco"), QString(), money("1"),
                          money("0"));
        data.setCurrentRow(2);
        QCOMPARE(reposition.count(), 2);
        QCOMPARE(data.viewTotals().income, money("150"));
        data.Refresh();
        QCOMPARE(data.rowCount(), 4L);
        QCOMPARE(data.viewTotals().income, money("151"));

        data.setDatabaseName(QString());
        data.Refresh();
        QCOMPARE(data.rowCount(), 0L);
        QVERIFY(!data.hasCurrentRow());
    }

    void aBadRowSourceLeavesTheControlEmpty() {
        test::addMovement(*db, QDate(2024, 1, 1), QStringLiteral("Banco"), QString(), money("1"),
                          money("0"));
        DataControl data;
        data.setDatabaseName(QStringLiteral("BASE.MDB"));
        data.setRecordSource(
            QStringLiteral("select * from movimientos where Fecha >= cdate('nada')"));
        QVERIFY_THROWS_EXCEPTION(StoreError, data.Refresh());
        QCOMPARE(data.rowCount(), 0L);
    }
};

TESORIN_TEST_MAIN(RecordsetTest)
#include "tst_recordset.moc"
