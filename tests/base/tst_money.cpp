#include "base/Money.h"

#include <QtTest>

#include <limits>

using tesorin::Money;
using tesorin::MoneyOutOfRange;

namespace {

constexpr std::int64_t kLimit = Money::kLimitUnits;

QString shown(const std::optional<Money>& money) {
    return money ? money->toPlainText() : QStringLiteral("refused");
}

} // namespace

class TstMoney : public QObject {
    Q_OBJECT

private slots:
    void readsPlainText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("decimals") << "1500.5"
                                  << "1500.5";
        QTest::newRow("negative") << "-12"
                                  << "-12";
        QTest::newRow("plus sign") << "+3.25"
                                   << "3.25";
        QTest::newRow("smallest unit") << "0.0001"
                                       << "0.0001";
        QTest::newRow("leading zeros") << "000012.50"
                                       << "12.5";
        QTest::newRow("half rounds up") << "1.23455"
                                        << "1.2346";
        QTest::newRow("half rounds away from zero") << "-0.00005"
                                                    << "-0.0001";
        QTest::newRow("below half") << "0.0000499999"
                                    << "0";
        QTest::newRow("limit") << "900000000000"
                               << "900000000000";
        QTest::newRow("negative limit") << "-900000000000.00004"
                                        << "-900000000000";
        QTest::newRow("rounds past limit") << "900000000000.00005"
                                           << "refused";
        QTest::newRow("past limit") << "900000000001"
                                    << "refused";
        QTest::newRow("would overflow int64") << "99999999999999999999999"
                                              << "refused";
        QTest::newRow("empty") << ""
                               << "refused";
        QTest::newRow("lone sign") << "-"
                                   << "refused";
        QTest::newRow("no whole digits") << ".5"
                                         << "refused";
        QTest::newRow("no decimals") << "5."
                                     << "refused";
        QTest::newRow("comma") << "1,5"
                               << "refused";
        QTest::newRow("exponent") << "1e5"
                                  << "refused";
        QTest::newRow("blank") << " 1"
                               << "refused";
        QTest::newRow("letters") << "12a"
                                 << "refused";
    }
    void readsPlainText() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(shown(Money::fromPlainText(text)), expected);
    }

    void writesShortestPlainText_data() {
        QTest::addColumn<qint64>("units");
        QTest::addColumn<QString>("text");
        QTest::newRow("trailing zero dropped") << qint64(15'005'000) << "1500.5";
        QTest::newRow("negative fraction") << qint64(-2'500) << "-0.25";
        QTest::newRow("zero") << qint64(0) << "0";
        QTest::newRow("whole") << qint64(120'000) << "12";
        QTest::newRow("smallest unit") << qint64(-1) << "-0.0001";
        QTest::newRow("limit") << qint64(kLimit) << "900000000000";
        QTest::newRow("just below limit") << qint64(kLimit - 1) << "899999999999.9999";
    }
    void writesShortestPlainText() {
        QFETCH(qint64, units);
        QFETCH(QString, text);
        const Money money = Money::fromUnits(units);
        QCOMPARE(money.toPlainText(), text);
        QCOMPARE(shown(Money::fromPlainText(text)), text);
    }

    void readsStoredValue_data() {
        QTest::addColumn<double>("stored");
        QTest::addColumn<QString>("expected");
        QTest::newRow("sum not exact in binary") << 0.1 + 0.2 << "0.3";
        QTest::newRow("just under a unit") << 2.67499999 << "2.675";
        QTest::newRow("negative") << -1500.5 << "-1500.5";
        QTest::newRow("limit") << 900'000'000'000.0 << "900000000000";
        QTest::newRow("past limit") << 900'000'000'001.0 << "refused";
        QTest::newRow("huge") << 1e300 << "refused";
        QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << "refused";
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << "refused";
    }
    void readsStoredValue() {
        QFETCH(double, stored);
        QFETCH(QString, expected);
        QCOMPARE(shown(Money::fromStored(stored)), expected);
    }

    void storedValueReadsBack_data() {
        QTest::addColumn<qint64>("units");
        QTest::newRow("cents") << qint64(123'456'789);
        QTest::newRow("smallest unit") << qint64(-1);
        QTest::newRow("ten thousand millions with four decimals") << qint64(100'000'000'000'001);
    }
    void storedValueReadsBack() {
        QFETCH(qint64, units);
        const Money money = Money::fromUnits(units);
        QCOMPARE(shown(Money::fromStored(money.toStored())), money.toPlainText());
    }

    void arithmeticPastLimitThrows_data() {
        QTest::addColumn<qint64>("a");
        QTest::addColumn<qint64>("b");
        QTest::addColumn<bool>("add");
        QTest::newRow("sum over") << qint64(kLimit) << qint64(1) << true;
        QTest::newRow("sum under") << qint64(-kLimit) << qint64(-1) << true;
        QTest::newRow("difference over") << qint64(kLimit) << qint64(-1) << false;
        QTest::newRow("difference under") << qint64(-kLimit) << qint64(kLimit) << false;
    }
    void arithmeticPastLimitThrows() {
        QFETCH(qint64, a);
        QFETCH(qint64, b);
        QFETCH(bool, add);
        Money money = Money::fromUnits(a);
        const Money other = Money::fromUnits(b);
        if (add) {
            QVERIFY_THROWS_EXCEPTION(MoneyOutOfRange, money + other);
            QVERIFY_THROWS_EXCEPTION(MoneyOutOfRange, money += other);
        } else {
            QVERIFY_THROWS_EXCEPTION(MoneyOutOfRange, money - other);
            QVERIFY_THROWS_EXCEPTION(MoneyOutOfRange, money -= other);
        }
        QCOMPARE(money.units(), a);
    }

    void arithmeticUpToLimit() {
        Money total = Money::fromUnits(kLimit - 5);
        total += Money::fromUnits(5);
        QCOMPARE(total.units(), kLimit);
        QCOMPARE((-total - Money::fromUnits(0)).units(), -kLimit);
        QVERIFY((total - total).isZero());
        QVERIFY_THROWS_EXCEPTION(MoneyOutOfRange, Money::fromUnits(kLimit + 1));
    }
};

QTEST_GUILESS_MAIN(TstMoney)
#include "tst_money.moc"
