// The totals of the view: computed once per refresh, exact beyond what one
// amount holds, refused rather than wrong beyond what can be summed.
#include "movements/core/BalancePanel.h"
#include "store/DataControl.h"
#include "store/Database.h"
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

    // Each amount fits, their total does not: the panel shows the total.
    void totalsBeyondOneAmountAreShown_data() {
        QTest::addColumn<QStringList>("incomes");
        QTest::addColumn<QStringList>("expenses");
        QTest::addColumn<QStringList>("shown"); // saldo, ingresos, egresos
        QTest::newRow("income sum")
            << QStringList{"250000000000", "250000000000", "250000000000", "250000000000"}
            << QStringList{}
            << QStringList{"$~1.000.000.000.000,00", "$~1.000.000.000.000,00", "$~0,00"};
        QTest::newRow("balance") << QStringList{"250000000000", "250000000000", "250000000000"}
                                 << QStringList{"-250000000000"}
                                 << QStringList{"$~1.000.000.000.000,00", "$~750.000.000.000,00",
                                                "($~250.000.000.000,00)"};
        QTest::newRow("expense sum to the last cent")
            << QStringList{"11.0001"} << QStringList{"899999999999.9999", "99.9999"}
            << QStringList{"($~900.000.000.089,00)", "$~11,00", "$~900.000.000.100,00"};
    }
    void totalsBeyondOneAmountAreShown() {
        QFETCH(QStringList, incomes);
        QFETCH(QStringList, expenses);
        QFETCH(QStringList, shown);
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
        QCOMPARE(panel.error, QString());
        for (QString& text : shown)
            text.replace(u'~', QChar(0x00A0));
        QCOMPARE((QStringList{panel.saldo, panel.ingresos, panel.egresos}), shown);
    }

    // Beyond what 64 bits count, the totals are refused rather than wrong.
    void totalsBeyondWhatCanBeSummedAreRefused() {
        {
            auto db = area->open();
            store::Transaction transaction(*db);
            for (int i = 0; i < 1100; ++i)
                test::addMovement(*db, kDay, "Sueldo", "", money("900000000000"), Money());
            transaction.commit();
        }
        store::DataControl data;
        data.setDatabaseName(QStringLiteral("BASE.MDB"));
        data.setRecordSource(kRowSource);
        data.Refresh();

        const movements::BalancePanel panel = movements::computeBalancePanel(data);
        QVERIFY(panel.hasCurrentRow);
        QVERIFY2(panel.error.endsWith(u'.'), qPrintable(panel.error));
        QCOMPARE(panel.saldo, QString());
        QCOMPARE(panel.ingresos, QString());
        QCOMPARE(panel.egresos, QString());
    }
};

TESORIN_TEST_MAIN(TstBalance)
#include "tst_balance.moc"
