// The per-account sums stored in the chart of accounts.
#include "reports/core/AccountSums.h"
#include "store/Database.h"
#include "store/StoreError.h"
#include "support/TestWorkArea.h"

#include <QTest>

#include <map>

using namespace tesorin;
using tesorin::test::money;

namespace {

// The three stored totals of an account in ten-thousandths; NULL as an
// invalid QVariant.
struct Stored {
    QVariant income;
    QVariant expense;
    QVariant balance;
};

std::map<QString, Stored> storedTotals(store::Database& db) {
    store::Statement rows =
        db.prepare(QStringLiteral("SELECT Nombre, TotEntrada, TotSalida, Saldo FROM Cuentas"));
    std::map<QString, Stored> totals;
    while (rows.step()) {
        const auto amount = [&](int c) {
            return rows.isNull(c) ? QVariant()
                                  : QVariant::fromValue(Money::fromStored(rows.real(c))->units());
        };
        totals[rows.text(0)] = {amount(1), amount(2), amount(3)};
    }
    return totals;
}

QVariant units(const QString& plain) {
    return QVariant::fromValue(Money::fromPlainText(plain)->units());
}

void add(store::Database& db, const QDate& date, const QString& account, const char* income,
         const char* expense) {
    test::addMovement(db, date, account, QStringLiteral("movimiento"), money(income),
                      money(expense));
}

// A few movements in January 2005 over the starter accounts.
void addJanuary(store::Database& db) {
    add(db, QDate(2005, 1, 9), QStringLiteral("Banco"), "100", "0");
    add(db, QDate(2005, 1, 10), QStringLiteral("Banco"), "20.5", "3");
    add(db, QDate(2005, 1, 11), QStringLiteral("Banco"), "0", "7.25");
    add(db, QDate(2005, 1, 10), QStringLiteral("Alquiler"), "100", "500");
    test::addAccount(db, QStringLiteral("D'Angelo"), QStringLiteral("VS"));
    add(db, QDate(2005, 1, 10), QStringLiteral("D'Angelo"), "1.0001", "0");
    // None of these names an account exactly, so none is ever counted.
    add(db, QDate(2005, 1, 10), QStringLiteral("Inexistente"), "1000", "0");
    add(db, QDate(2005, 1, 10), QStringLiteral("banco"), "1000", "0");
    add(db, QDate(2005, 1, 10), QString(), "1000", "0");
}

} // namespace

class AccountSumsTest : public QObject {
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
    void sums_data() {
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("income");
        QTest::addColumn<QString>("expense");
        QTest::addColumn<QString>("balance");
        const QDate d9(2005, 1, 9), d10(2005, 1, 10), d11(2005, 1, 11);
        QTest::newRow("same day: only that day") << d10 << d10 << "Banco"
                                                 << "20.5"
                                                 << "3"
                                                 << "17.5";
        QTest::newRow("both ends count") << d9 << d11 << "Banco"
                                         << "120.5"
                                         << "10.25"
                                         << "110.25";
        QTest::newRow("last day outside") << d9 << d10 << "Banco"
                                          << "120.5"
                                          << "3"
                                          << "117.5";
        QTest::newRow("negative balance") << d9 << d11 << "Alquiler"
                                          << "100"
                                          << "500"
                                          << "-400";
        QTest::newRow("apostrophe in the name") << d9 << d11 << "D'Angelo"
                                                << "1.0001"
                                                << "0"
                                                << "1.0001";
        QTest::newRow("account without movements") << d9 << d11 << "Sueldo"
                                                   << "0"
                                                   << "0"
                                                   << "0";
        QTest::newRow("range before every movement")
            << QDate(2004, 1, 1) << QDate(2004, 12, 31) << "Banco"
            << "0"
            << "0"
            << "0";
        QTest::newRow("first day after the last") << d11 << d9 << "Banco"
                                                  << "0"
                                                  << "0"
                                                  << "0";
    }
    void sums() {
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        QFETCH(QString, account);
        QFETCH(QString, income);
        QFETCH(QString, expense);
        QFETCH(QString, balance);
        addJanuary(*db);
        reports::storeAccountSums(*db, first, last);
        const Stored totals = storedTotals(*db).at(account);
        QCOMPARE(totals.income, units(income));
        QCOMPARE(totals.expense, units(expense));
        QCOMPARE(totals.balance, units(balance));
    }

    // Movements that name no account exactly add to nothing: the total over
    // all accounts is the total of the movements that do.
    void movementsNamingNoAccountAreNeverCounted() {
        addJanuary(*db);
        reports::storeAccountSums(*db, QDate(2000, 1, 1), QDate(2030, 1, 1));
        qint64 income = 0;
        for (const auto& [name, totals] : storedTotals(*db))
            income += totals.income.toLongLong();
        QCOMPARE(income, money("221.5001").units());
    }

    // Every computation rewrites every account: totals of an earlier range do
    // not linger, and computing the same range twice changes nothing.
    void eachComputationReplacesTheStoredTotals() {
        QCOMPARE(storedTotals(*db).at(QStringLiteral("Sueldo")).income,
                 QVariant()); // never computed
        addJanuary(*db);
        reports::storeAccountSums(*db, QDate(2005, 1, 9), QDate(2005, 1, 11));
        reports::storeAccountSums(*db, QDate(2005, 1, 11), QDate(2005, 1, 11));
        const auto once = storedTotals(*db);
        reports::storeAccountSums(*db, QDate(2005, 1, 11), QDate(2005, 1, 11));
        const auto twice = storedTotals(*db);
        QCOMPARE(once.at(QStringLiteral("Banco")).income, units(QStringLiteral("0")));
        QCOMPARE(once.at(QStringLiteral("Banco")).expense, units(QStringLiteral("7.25")));
        QCOMPARE(once.at(QStringLiteral("Alquiler")).expense, units(QStringLiteral("0")));
        QCOMPARE(once.at(QStringLiteral("Sueldo")).income, units(QStringLiteral("0")));
        for (const auto& [name, totals] : once) {
            QCOMPARE(twice.at(name).income, totals.income);
            QCOMPARE(twice.at(name).balance, totals.balance);
        }
    }

    void anEmptyChartOfAccountsIsNoError() {
        db->exec(QStringLiteral("DELETE FROM Cuentas"));
        addJanuary(*db);
        reports::storeAccountSums(*db, QDate(2005, 1, 1), QDate(2005, 1, 31));
        QVERIFY(storedTotals(*db).size() == 1); // D'Angelo, added by addJanuary
    }

    // Enough movements that a wide range is scanned and a narrow one read
    // through the index: both give the exact sums.
    void wideAndNarrowRangesGiveExactSums_data() {
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::newRow("every day") << QDate(2010, 1, 1) << QDate(2012, 12, 31);
        QTest::newRow("one week") << QDate(2011, 3, 1) << QDate(2011, 3, 7);
    }
    void wideAndNarrowRangesGiveExactSums() {
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        store::Transaction transaction(*db);
        Money income, expense;
        for (int i = 0; i < 3000; ++i) {
            const QDate date = QDate(2010, 1, 1).addDays(i % 1000);
            const Money in = Money::fromUnits(1 + i * 3); // 0.0001, 0.0004, ...
            const Money out = Money::fromUnits(i % 7 * 1001);
            test::addMovement(*db, date,
                              i % 2 ? QStringLiteral("Banco") : QStringLiteral("Efectivo"),
                              QStringLiteral("m"), in, out);
            if (i % 2 && date >= first && date <= last) {
                income += in;
                expense += out;
            }
        }
        transaction.commit();
        reports::storeAccountSums(*db, first, last);
        const Stored banco = storedTotals(*db).at(QStringLiteral("Banco"));
        QCOMPARE(banco.income.toLongLong(), income.units());
        QCOMPARE(banco.expense.toLongLong(), expense.units());
        QCOMPARE(banco.balance.toLongLong(), (income - expense).units());
    }

    // A total the store cannot keep exactly is refused as a whole: the totals
    // stored before stay as they were.
    void aTotalTooLargeToStoreChangesNothing() {
        add(*db, QDate(2005, 1, 9), QStringLiteral("Banco"), "10", "0");
        reports::storeAccountSums(*db, QDate(2005, 1, 1), QDate(2005, 1, 31));
        // 300.000.000.000,0015 would come back from the store changed.
        add(*db, QDate(2005, 1, 9), QStringLiteral("Sueldo"), "150000000000.0007", "0");
        add(*db, QDate(2005, 1, 9), QStringLiteral("Sueldo"), "150000000000.0008", "0");
        try {
            reports::storeAccountSums(*db, QDate(2005, 1, 1), QDate(2005, 1, 31));
            QFAIL("the total was stored");
        } catch (const store::StoreError& error) {
            QVERIFY2(error.message().contains(QStringLiteral("Sueldo")),
                     qPrintable(error.message()));
        }
        QCOMPARE(storedTotals(*db).at(QStringLiteral("Banco")).income, units(QStringLiteral("10")));
        QCOMPARE(storedTotals(*db).at(QStringLiteral("Sueldo")).income, units(QStringLiteral("0")));
    }
};

TESORIN_TEST_MAIN(AccountSumsTest)
#include "tst_account_sums.moc"
