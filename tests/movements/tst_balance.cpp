// The totals of the view: computed once per refresh, refused rather than
// wrong when beyond what money holds.
#include "movements/core/BalancePanel.h"
#include "store/DataControl.h"
#include "support/TestWorkArea.h"

#include <QtTest>

using namespace tesorin;
using tesorin::test::money;

namespace {

const QDate kDay(2024, 3, 5);
const QString kRowSource = QStringLiteral("select * from Movimientos order by fecha");

} // namespace

class TstBalance : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorkArea> area;

private Q_SLOTS:
    void init() { area = std::make_unique<test::TestWorkArea>(); }
    void cleanup() { area.reset(); }
    void movingTheCurrentRowReusesTheTotals() {
        {
            auto db = area->open();
            test::addMovement(*db, kDay, "Sueldo", "marzo", money("100"), Money());
            test::addMovement(*db, kDay, "Almacén", "pan", Money(), money("30"));
        }
        store::DataControl data;
        data.setDatabaseName(QStringLiteral("BASE.MDB"));
        data.setRecordSource(kRowSource);
        data.Refresh();
        const QString before = movements::computeBalancePanel(data).saldo;

        // Written through another connection: only a refresh may see it.
        auto other = area->open();
        test::addMovement(*other, kDay, "Sueldo", "abril", money("1000"), Money());
        data.setCurrentRow(1);
        QCOMPARE(movements::computeBalancePanel(data).saldo, before);

        data.Refresh();
        QVERIFY(movements::computeBalancePanel(data).saldo != before);
    }

    void totalsBeyondMoneyAreRefused_data() {
        QTest::addColumn<QStringList>("incomes");
        QTest::addColumn<QStringList>("expenses");
        QTest::newRow("income sum")
            << QStringList{"250000000000", "250000000000", "250000000000", "250000000000"}
            << QStringList{};
        QTest::newRow("balance") << QStringList{"250000000000", "250000000000", "250000000000"}
                                 << QStringList{"-250000000000"};
    }

    void totalsBeyondMoneyAreRefused() {
        QFETCH(QStringList, incomes);
        QFETCH(QStringList, expenses);
        {
            auto db = area->open();
            for (const QString& amount : incomes)
                test::addMovement(*db, kDay, "Sueldo", "", money(qPrintable(amount)), Money());
            for (const QString& amount : expenses)
                test::addMovement(*db, kDay, "Gastos", "", Money(), money(qPrintable(amount)));
        }
        store::DataControl data;
        data.setDatabaseName(QStringLiteral("BASE.MDB"));
        data.setRecordSource(kRowSource);
        data.Refresh();

        const movements::BalancePanel panel = movements::computeBalancePanel(data);
        QVERIFY(panel.hasCurrentRow);
        QVERIFY(!panel.error.isEmpty());
        QCOMPARE(panel.saldo, QString());
        QCOMPARE(panel.ingresos, QString());
        QCOMPARE(panel.egresos, QString());
    }
};

TESORIN_TEST_MAIN(TstBalance)
#include "tst_balance.moc"
