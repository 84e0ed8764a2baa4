// The texts, totals and bars of the annual and the monthly chart.
#include "base/Regional.h"
#include "reports/core/ChartFigures.h"
#include "reports/core/ChartQueries.h"
#include "reports/core/ChartTotals.h"
#include "store/Database.h"
#include "support/TestWorkArea.h"

#include <QTest>

using namespace tesorin;
using namespace tesorin::reports;
using tesorin::test::money;

namespace {

void add(store::Database& db, const QDate& date, const QString& account, const char* income,
         const char* expense) {
    test::addMovement(db, date, account, QStringLiteral("movimiento"), money(income),
                      money(expense));
}

ChartFigures monthly(store::Database& db, const QString& account, const QDate& date) {
    return chartFigures(monthlyTotals(db, monthlyQuery(account, date), date.year(), date.month()),
                        monthlyGeometry());
}

ChartFigures annual(store::Database& db, const QStringList& accounts, int year) {
    const QString query = annualQuery(annualCondition(accounts), QString::number(year));
    return chartFigures(annualTotals(db, query, year), annualGeometry());
}

QString cur(const char* plain) {
    return regional::currency(money(plain));
}

} // namespace

class ChartFiguresTest : public QObject {
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
    void annualTexts_data() {
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<QString>("condition");
        QTest::addColumn<QString>("caption");
        QTest::newRow("none selected") << QStringList() << "True"
                                       << "Todas";
        QTest::newRow("one") << QStringList{"Banco"} << " Cuenta = 'Banco'"
                             << "Banco, ";
        QTest::newRow("three") << QStringList{"Banco", "Caja", "Efectivo"}
                               << " Cuenta = 'Banco' or  Cuenta = 'Caja' or  Cuenta = 'Efectivo'"
                               << "Banco, Caja, Efectivo, ";
        QTest::newRow("apostrophe") << QStringList{"D'Angelo"} << " Cuenta = 'D''Angelo'"
                                    << "D'Angelo, ";
    }
    void annualTexts() {
        QFETCH(QStringList, selected);
        QFETCH(QString, condition);
        QFETCH(QString, caption);
        QCOMPARE(annualCondition(selected), condition);
        QCOMPARE(annualCaption(selected), caption);
    }

    void queries() {
        QCOMPARE(annualQuery(annualCondition({"Banco", "Caja"}), QStringLiteral("2004")),
                 QStringLiteral("select * from Movimientos where ( Cuenta = 'Banco' or  Cuenta = "
                                "'Caja') and year(fecha) = 2004"));
        QCOMPARE(annualQuery(QString(), QStringLiteral("1999")),
                 QStringLiteral("select * from Movimientos where (True) and year(fecha) = 1999"));
        QCOMPARE(
            monthlyQuery(QStringLiteral("Banco"), QDate(2004, 5, 17)),
            QStringLiteral("select * from Movimientos where (cuenta = 'Banco' or '<TODAS LAS "
                           "CUENTAS>' = 'Banco') and year(fecha) = 2004 and month(fecha) = 5"));
        QCOMPARE(monthlyQuery(QStringLiteral("D'Angelo"), QDate(2004, 12, 1)),
                 QStringLiteral("select * from Movimientos where (cuenta = 'D''Angelo' or '<TODAS "
                                "LAS CUENTAS>' = 'D''Angelo') and year(fecha) = 2004 and "
                                "month(fecha) = 12"));
        QCOMPARE(monthlyCaption(kTodasLasCuentas), QStringLiteral("Todas las cuentas"));
        QCOMPARE(monthlyCaption(QStringLiteral("Banco")), QStringLiteral("Banco"));
        QCOMPARE(monthlyTitle(QDate(2024, 3, 9)),
                 QStringLiteral("Informe correspondiente al mes marzo, 2024"));
        QCOMPARE(noMovementsMessage(kTodasLasCuentas, QStringLiteral("2004")),
                 QStringLiteral("No se encontraron movimientos de la cuenta <TODAS LAS CUENTAS> en "
                                "el período 2004"));
    }

    // A movement on every day of the month and on the first of the next:
    // the rows past the month's last day keep "0,00" and no bar.
    void monthLengths_data() {
        QTest::addColumn<QDate>("month");
        QTest::addColumn<int>("days");
        QTest::newRow("28 days") << QDate(2023, 2, 1) << 28;
        QTest::newRow("29 days") << QDate(2024, 2, 1) << 29;
        QTest::newRow("30 days") << QDate(2024, 4, 1) << 30;
        QTest::newRow("31 days") << QDate(2024, 12, 1) << 31;
    }
    void monthLengths() {
        QFETCH(QDate, month);
        QFETCH(int, days);
        for (QDate d = month; d <= month.addMonths(1); d = d.addDays(1))
            add(*db, d, QStringLiteral("Banco"), "10", "5");
        const ChartFigures f = monthly(*db, QStringLiteral("Banco"), month);
        for (int i = 0; i < 31; ++i) {
            const bool inMonth = i < days;
            QCOMPARE(f.incomeTexts[i], inMonth ? cur("10") : QStringLiteral("0,00"));
            QCOMPARE(f.expenseTexts[i], inMonth ? cur("5") : QStringLiteral("0,00"));
            QCOMPARE(f.incomeBars[i].height(), inMonth ? kBarScale : 0.0);
            QCOMPARE(f.expenseBars[i].height(), inMonth ? kBarScale / 2 : 0.0);
        }
        QCOMPARE(f.totalIncomeText, regional::currency(Money::fromUnits(10 * 10000 * days)));
    }

    // The largest amount of any period, income or expense, stands 1875 twips
    // above the base line; the others in proportion.
    void tallestBar_data() {
        QTest::addColumn<QString>("income");
        QTest::addColumn<QString>("expense");
        QTest::addColumn<double>("incomeHeight");
        QTest::addColumn<double>("expenseHeight");
        QTest::newRow("income largest") << "300"
                                        << "100" << 1875.0 << 625.0;
        QTest::newRow("expense largest") << "100"
                                         << "300" << 625.0 << 1875.0;
        QTest::newRow("both equal") << "50"
                                    << "50" << 1875.0 << 1875.0;
    }
    void tallestBar() {
        QFETCH(QString, income);
        QFETCH(QString, expense);
        QFETCH(double, incomeHeight);
        QFETCH(double, expenseHeight);
        add(*db, QDate(2004, 5, 3), QStringLiteral("Banco"), qPrintable(income), "0");
        add(*db, QDate(2004, 5, 20), QStringLiteral("Banco"), "0", qPrintable(expense));
        const ChartFigures f = monthly(*db, QStringLiteral("Banco"), QDate(2004, 5, 1));
        QCOMPARE(f.incomeBars[2].height(), incomeHeight);
        QCOMPARE(f.expenseBars[19].height(), expenseHeight);
        // Every bar stands on the base line at its designed left edge.
        QCOMPARE(f.incomeBars[2], QRectF(2130 + 90, 7815 - incomeHeight, 90, incomeHeight));
        QCOMPARE(f.expenseBars[19], QRectF(6135, 7815 - expenseHeight, 90, expenseHeight));
        QCOMPARE(f.expenseBars[2].height(), 0.0);
    }

    // Two movements of one day add up in its row and its bar; other months,
    // other years and other accounts are not counted.
    void twoMovementsOnOneDay() {
        add(*db, QDate(2004, 5, 7), QStringLiteral("Banco"), "100", "1");
        add(*db, QDate(2004, 5, 7), QStringLiteral("Banco"), "50.25", "2");
        add(*db, QDate(2004, 5, 8), QStringLiteral("Banco"), "0", "75.125");
        add(*db, QDate(2004, 6, 7), QStringLiteral("Banco"), "999", "0");
        add(*db, QDate(2005, 5, 7), QStringLiteral("Banco"), "999", "0");
        add(*db, QDate(2004, 5, 7), QStringLiteral("Efectivo"), "999", "0");
        const ChartFigures f = monthly(*db, QStringLiteral("Banco"), QDate(2004, 5, 31));
        QCOMPARE(f.incomeTexts[6], cur("150.25"));
        QCOMPARE(f.expenseTexts[6], cur("3"));
        QCOMPARE(f.incomeTexts[7], cur("0"));
        QCOMPARE(f.incomeBars[6].height(), kBarScale);
        QCOMPARE(f.expenseBars[7].height(), double(float(75.125 * 1875 / 150.25)));
        QCOMPARE(f.totalIncomeText, cur("150.25"));
        QCOMPARE(f.totalExpenseText, cur("78.125"));
        QCOMPARE(f.incomeTexts[5], QStringLiteral("0,00"));
    }

    void allAccounts() {
        add(*db, QDate(2004, 5, 7), QStringLiteral("Banco"), "100", "0");
        add(*db, QDate(2004, 5, 7), QStringLiteral("Efectivo"), "20", "0");
        add(*db, QDate(2004, 5, 9), QStringLiteral("Sin cuenta"), "3", "0");
        const ChartFigures f = monthly(*db, kTodasLasCuentas, QDate(2004, 5, 1));
        QCOMPARE(f.incomeTexts[6], cur("120"));
        QCOMPARE(f.totalIncomeText, cur("123"));
    }

    void decemberIsTheTwelfthPair() {
        add(*db, QDate(2004, 12, 31), QStringLiteral("Banco"), "40", "10");
        add(*db, QDate(2004, 1, 1), QStringLiteral("Banco"), "0", "20");
        add(*db, QDate(2005, 1, 1), QStringLiteral("Banco"), "1000", "0");
        const ChartFigures f = annual(*db, {}, 2004);
        QCOMPARE(f.incomeTexts[11], cur("40"));
        QCOMPARE(f.expenseTexts[11], cur("10"));
        QCOMPARE(f.incomeBars[11], QRectF(8355 + 225, 7530 - 1875, 195, 1875));
        QCOMPARE(f.expenseBars[11].height(), 1875.0 / 4);
        QCOMPARE(f.expenseBars[0], QRectF(2235, 7530 - 1875.0 / 2, 195, 1875.0 / 2));
        QCOMPARE(f.totalIncomeText, cur("40"));
        QCOMPARE(f.totalExpenseText, cur("30"));
    }

    void threeAccountsInTheCondition() {
        test::addAccount(*db, QStringLiteral("D'Angelo"), QStringLiteral("VS"));
        add(*db, QDate(2004, 3, 1), QStringLiteral("Banco"), "1", "0");
        add(*db, QDate(2004, 3, 1), QStringLiteral("Efectivo"), "2", "0");
        add(*db, QDate(2004, 3, 1), QStringLiteral("D'Angelo"), "4", "0");
        add(*db, QDate(2004, 3, 1), QStringLiteral("Sueldo"), "8", "0");
        const ChartFigures f = annual(*db, {"Banco", "Efectivo", "D'Angelo"}, 2004);
        QCOMPARE(f.incomeTexts[2], cur("7"));
    }

    void nothingFound() {
        add(*db, QDate(2004, 3, 1), QStringLiteral("Banco"), "1", "0");
        const QString query = annualQuery(annualCondition({"Sueldo"}), QStringLiteral("2004"));
        QVERIFY(!annualTotals(*db, query, 2004).found);
        QVERIFY(!monthlyTotals(*db, monthlyQuery(QString(), QDate(2004, 3, 1)), 2004, 3).found);
        QVERIFY(!annualTotals(*db, annualQuery(QString(), QStringLiteral("12004")), 12004).found);
        const ChartFigures f = chartFigures(annualTotals(*db, query, 2004), annualGeometry());
        QCOMPARE(f.incomeTexts, QStringList(12, QStringLiteral("0,00")));
        QCOMPARE(f.totalIncomeText, QStringLiteral("0,00"));
    }

    // Every amount 0: the months show "$ 0,00" but no bar has height.
    void aMaximumOfZeroDrawsNoBars() {
        add(*db, QDate(2004, 3, 1), QStringLiteral("Banco"), "0", "0");
        const ChartFigures f = annual(*db, {}, 2004);
        QCOMPARE(f.incomeTexts[2], cur("0"));
        QCOMPARE(f.incomeBars[2].height(), 0.0);
        QCOMPARE(f.expenseBars[2].height(), 0.0);
    }

    // A negative total shows in its cell, and its bar has no height.
    void aNegativeTotalHasABarOfNoHeight() {
        add(*db, QDate(2004, 3, 1), QStringLiteral("Banco"), "-50", "0");
        add(*db, QDate(2004, 4, 1), QStringLiteral("Banco"), "0", "25");
        const ChartFigures f = annual(*db, {}, 2004);
        QCOMPARE(f.incomeTexts[2], cur("-50"));
        QCOMPARE(f.incomeBars[2].height(), 0.0);
        QCOMPARE(f.incomeBars[2].bottom(), 7530.0);
        QCOMPARE(f.expenseBars[3].height(), kBarScale);
        QCOMPARE(f.totalIncomeText, cur("-50"));
    }

    // Enough movements that the year is scanned and the month read through
    // the index: both give exact totals.
    void manyMovements() {
        store::Transaction transaction(*db);
        Money may;
        Money year;
        for (int i = 0; i < 4000; ++i) {
            const QDate date = QDate(2003, 1, 1).addDays(i % 1095);
            const Money amount = Money::fromUnits(1 + 7 * i);
            test::addMovement(*db, date, QStringLiteral("Banco"), QStringLiteral("m"), amount,
                              Money());
            if (date.year() == 2004)
                year += amount;
            if (date.year() == 2004 && date.month() == 5 && date.day() == 17)
                may += amount;
        }
        transaction.commit();
        const ChartFigures y = annual(*db, {}, 2004);
        QCOMPARE(y.totalIncomeText, regional::currency(year));
        const ChartTotals m =
            monthlyTotals(*db, monthlyQuery(kTodasLasCuentas, QDate(2004, 5, 1)), 2004, 5);
        QCOMPARE(m.periods[16].income, may);
    }
};

TESORIN_TEST_MAIN(ChartFiguresTest)
#include "tst_chart_figures.moc"
