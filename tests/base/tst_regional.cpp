#include "base/Regional.h"

#include <QtTest>

#include <limits>

using tesorin::Money;
using tesorin::MoneySum;
namespace regional = tesorin::regional;

namespace {

const QStringList kLocales = {QStringLiteral("es_AR"), QStringLiteral("es_ES"),
                              QStringLiteral("en_US")};

void pin(const QString& localeName) {
    QLocale::setDefault(QLocale(localeName));
}

Money money(const QString& plain) {
    return *Money::fromPlainText(plain);
}

QString shown(const std::optional<Money>& amount) {
    return amount ? amount->toPlainText() : QStringLiteral("refused");
}

// Tables write a no-break space as '~' and a narrow one as '^'.
QString blanks(QString text) {
    return text.replace(u'~', QChar(0x00A0)).replace(u'^', QChar(0x202F));
}

} // namespace

class TstRegional : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { pin(QStringLiteral("es_AR")); }

    void writesCurrency_data() {
        QTest::addColumn<QString>("localeName");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("expected");
        QTest::newRow("es_AR negative") << "es_AR"
                                        << "-1234.5"
                                        << "($~1.234,50)";
        QTest::newRow("es_AR whole") << "es_AR"
                                     << "12"
                                     << "$~12,00";
        QTest::newRow("es_AR half cent") << "es_AR"
                                         << "0.005"
                                         << "$~0,01";
        QTest::newRow("es_AR negative half cent") << "es_AR"
                                                  << "-0.005"
                                                  << "($~0,01)";
        QTest::newRow("es_AR rounds to zero") << "es_AR"
                                              << "-0.0049"
                                              << "$~0,00";
        QTest::newRow("es_AR carries") << "es_AR"
                                       << "999.995"
                                       << "$~1.000,00";
        QTest::newRow("es_AR limit") << "es_AR"
                                     << "-900000000000"
                                     << "($~900.000.000.000,00)";
        QTest::newRow("es_AR half cent below limit") << "es_AR"
                                                     << "899999999999.995"
                                                     << "$~900.000.000.000,00";
        QTest::newRow("es_ES negative") << "es_ES"
                                        << "-1234.5"
                                        << "-1234,50~€";
        QTest::newRow("es_ES grouped") << "es_ES"
                                       << "12345.5"
                                       << "12.345,50~€";
        QTest::newRow("en_US negative") << "en_US"
                                        << "-1234.5"
                                        << "($1,234.50)";
        QTest::newRow("en_US grouped") << "en_US"
                                       << "1234567.891"
                                       << "$1,234,567.89";
    }
    void writesCurrency() {
        QFETCH(QString, localeName);
        QFETCH(QString, amount);
        QFETCH(QString, expected);
        pin(localeName);
        QCOMPARE(regional::currency(money(amount)), blanks(expected));
    }

    // A total may go beyond what one amount holds, to the end of 64 bits.
    void writesTotalsBeyondOneAmount_data() {
        QTest::addColumn<qlonglong>("units");
        QTest::addColumn<QString>("expected");
        QTest::newRow("beyond the limit") << 9'000'000'000'999'998LL << "$~900.000.000.100,00";
        QTest::newRow("largest") << std::numeric_limits<qlonglong>::max()
                                 << "$~922.337.203.685.477,58";
        QTest::newRow("most negative")
            << -std::numeric_limits<qlonglong>::max() << "($~922.337.203.685.477,58)";
    }
    void writesTotalsBeyondOneAmount() {
        QFETCH(qlonglong, units);
        QFETCH(QString, expected);
        pin(QStringLiteral("es_AR"));
        QCOMPARE(regional::currency(MoneySum::fromUnits(units)), blanks(expected));
    }

    void currencyReadsBack_data() {
        QTest::addColumn<QString>("localeName");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("rounded");
        const QList<std::pair<const char*, const char*>> amounts = {
            {"0", "0"},
            {"12", "12"},
            {"-1234.5", "-1234.5"},
            {"0.005", "0.01"},
            {"-0.005", "-0.01"},
            {"-0.0049", "0"},
            {"999.995", "1000"},
            {"-1234567.891", "-1234567.89"},
            {"900000000000", "900000000000"},
            {"-900000000000", "-900000000000"},
        };
        for (const QString& localeName : kLocales) {
            for (const auto& [amount, rounded] : amounts)
                QTest::addRow("%s %s", qPrintable(localeName), amount)
                    << localeName << QString::fromLatin1(amount) << QString::fromLatin1(rounded);
        }
    }
    void currencyReadsBack() {
        QFETCH(QString, localeName);
        QFETCH(QString, amount);
        QFETCH(QString, rounded);
        pin(localeName);
        QCOMPARE(shown(regional::readNumber(regional::currency(money(amount)))), rounded);
    }

    // The system locale may be any; whatever it writes must read back.
    void everyLocaleReadsBackWhatItWrites() {
        const QList<Money> amounts = {money("-1234.56"), money("1234567.891"), money("0.25"),
                                      money("900000000000")};
        const QDate date(2000, 2, 29);
        const auto all = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                  QLocale::AnyTerritory);
        for (const QLocale& loc : all) {
            if (loc.language() == QLocale::C)
                continue;
            QLocale::setDefault(loc);
            const QByteArray name = loc.name().toUtf8();
            for (const Money amount : amounts) {
                const QString text = regional::currency(amount);
                QVERIFY2(text == loc.toCurrencyString(amount.toStored()), name);
                const std::optional<Money> read = regional::readNumber(text);
                QVERIFY2(read && regional::currency(*read) == text, name);
                QVERIFY2(regional::readNumber(regional::plainNumber(amount)) == amount, name);
            }
            QVERIFY2(regional::readShortDate(regional::shortDate(date)) == date, name);
        }
    }

    void readsNumbers_data() {
        QTest::addColumn<QString>("localeName");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("digits") << "es_AR"
                                << "12"
                                << "12";
        QTest::newRow("grouped") << "es_AR"
                                 << "1.234.567,891"
                                 << "1234567.891";
        QTest::newRow("ungrouped") << "es_AR"
                                   << "1500,5"
                                   << "1500.5";
        QTest::newRow("no whole digits") << "es_AR"
                                         << ",5"
                                         << "0.5";
        QTest::newRow("fifth decimal rounds") << "es_AR"
                                              << "0,00005"
                                              << "0.0001";
        QTest::newRow("leading minus") << "es_AR"
                                       << "-5"
                                       << "-5";
        QTest::newRow("trailing minus") << "es_AR"
                                        << "5-"
                                        << "-5";
        QTest::newRow("plus") << "es_AR"
                              << "+3"
                              << "3";
        QTest::newRow("parentheses") << "es_AR"
                                     << "(5)"
                                     << "-5";
        QTest::newRow("symbol after") << "es_AR"
                                      << "5 $"
                                      << "5";
        QTest::newRow("sign before symbol") << "es_AR"
                                            << "- $ 5"
                                            << "-5";
        QTest::newRow("wide and narrow blanks") << "es_AR"
                                                << " $^1.234,50~ "
                                                << "1234.5";
        QTest::newRow("limit") << "es_AR"
                               << "-900.000.000.000,00"
                               << "-900000000000";
        QTest::newRow("empty") << "es_AR"
                               << ""
                               << "refused";
        QTest::newRow("blanks only") << "es_AR"
                                     << "   "
                                     << "refused";
        QTest::newRow("lone sign") << "es_AR"
                                   << "-"
                                   << "refused";
        QTest::newRow("lone symbol") << "es_AR"
                                     << "($)"
                                     << "refused";
        QTest::newRow("letters") << "es_AR"
                                 << "abc"
                                 << "refused";
        QTest::newRow("trailing letter") << "es_AR"
                                         << "12a"
                                         << "refused";
        QTest::newRow("exponent") << "es_AR"
                                  << "1e3"
                                  << "refused";
        QTest::newRow("hexadecimal") << "es_AR"
                                     << "0x1F"
                                     << "refused";
        QTest::newRow("two signs") << "es_AR"
                                   << "--5"
                                   << "refused";
        QTest::newRow("sign and parentheses") << "es_AR"
                                              << "-(5)"
                                              << "refused";
        QTest::newRow("unclosed parenthesis") << "es_AR"
                                              << "(5"
                                              << "refused";
        QTest::newRow("two symbols") << "es_AR"
                                     << "$$5"
                                     << "refused";
        QTest::newRow("two decimal marks") << "es_AR"
                                           << "1,2,3"
                                           << "refused";
        QTest::newRow("two numbers") << "es_AR"
                                     << "5 5"
                                     << "refused";
        QTest::newRow("misplaced grouping") << "es_AR"
                                            << "1.5"
                                            << "refused";
        QTest::newRow("dot is grouping here") << "es_AR"
                                              << "1500.5"
                                              << "refused";
        QTest::newRow("grouping at the end") << "es_AR"
                                             << "1.234."
                                             << "refused";
        QTest::newRow("past limit") << "es_AR"
                                    << "900.000.000.000,01"
                                    << "refused";
        QTest::newRow("a ten-thousandth the store would change") << "es_AR"
                                                                 << "300.000.000.000,0004"
                                                                 << "refused";
        QTest::newRow("far past limit") << "es_AR"
                                        << "1000000000000"
                                        << "refused";
        QTest::newRow("es_ES currency") << "es_ES"
                                        << "-1234,50~€"
                                        << "-1234.5";
        QTest::newRow("es_ES grouped") << "es_ES"
                                       << "€ 1.234,50"
                                       << "1234.5";
        QTest::newRow("en_US grouped") << "en_US"
                                       << "1,500.25"
                                       << "1500.25";
        QTest::newRow("en_US parentheses") << "en_US"
                                           << "($1,234.50)"
                                           << "-1234.5";
        QTest::newRow("en_US misplaced grouping") << "en_US"
                                                  << "1,5"
                                                  << "refused";
        QTest::newRow("en_US other marks") << "en_US"
                                           << "1.234,5"
                                           << "refused";
        QTest::newRow("fr_FR plain dot") << "fr_FR"
                                         << "1500.5"
                                         << "1500.5";
        QTest::newRow("fr_FR typed space groups") << "fr_FR"
                                                  << "1 500,5 €"
                                                  << "1500.5";
    }
    void readsNumbers() {
        QFETCH(QString, localeName);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        pin(localeName);
        QCOMPARE(shown(regional::readNumber(blanks(text))), expected);
    }

    void writesPlainNumber_data() {
        QTest::addColumn<QString>("localeName");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("expected");
        QTest::newRow("es_AR decimals") << "es_AR"
                                        << "1500.5"
                                        << "1500,5";
        QTest::newRow("es_AR whole") << "es_AR"
                                     << "12"
                                     << "12";
        QTest::newRow("es_AR zero") << "es_AR"
                                    << "0"
                                    << "0";
        QTest::newRow("es_AR negative fraction") << "es_AR"
                                                 << "-0.25"
                                                 << "-0,25";
        QTest::newRow("es_AR four decimals, no grouping") << "es_AR"
                                                          << "1234567.0001"
                                                          << "1234567,0001";
        QTest::newRow("es_ES negative") << "es_ES"
                                        << "-1500.5"
                                        << "-1500,5";
        QTest::newRow("en_US no grouping") << "en_US"
                                           << "1234567.5"
                                           << "1234567.5";
    }
    void writesPlainNumber() {
        QFETCH(QString, localeName);
        QFETCH(QString, amount);
        QFETCH(QString, expected);
        pin(localeName);
        QCOMPARE(regional::plainNumber(money(amount)), expected);
        QCOMPARE(shown(regional::readNumber(expected)), amount);
    }

    void writesShortDate_data() {
        QTest::addColumn<QString>("localeName");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("expected");
        QTest::newRow("es_AR") << "es_AR" << QDate(2005, 1, 9) << "9/1/2005";
        QTest::newRow("es_AR leap day") << "es_AR" << QDate(2000, 2, 29) << "29/2/2000";
        QTest::newRow("es_ES") << "es_ES" << QDate(2005, 1, 9) << "9/1/2005";
        QTest::newRow("en_US") << "en_US" << QDate(2005, 1, 9) << "1/9/2005";
        QTest::newRow("en_US last century") << "en_US" << QDate(1999, 12, 31) << "12/31/1999";
    }
    void writesShortDate() {
        QFETCH(QString, localeName);
        QFETCH(QDate, date);
        QFETCH(QString, expected);
        pin(localeName);
        QCOMPARE(regional::shortDate(date), expected);
        QCOMPARE(regional::readShortDate(expected), std::optional<QDate>(date));
    }

    void readsShortDate_data() {
        QTest::addColumn<QString>("localeName");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("expected");
        QTest::newRow("padded") << "es_AR"
                                << "09/01/2005" << QDate(2005, 1, 9);
        QTest::newRow("blanks around") << "es_AR"
                                       << " 9/1/2005 " << QDate(2005, 1, 9);
        QTest::newRow("two-digit year") << "es_AR"
                                        << "9/1/05" << QDate(2005, 1, 9);
        QTest::newRow("two-digit year, last of 20xx") << "es_AR"
                                                      << "9/1/29" << QDate(2029, 1, 9);
        QTest::newRow("two-digit year, first of 19xx") << "es_AR"
                                                       << "9/1/30" << QDate(1930, 1, 9);
        QTest::newRow("two-digit leap day") << "es_AR"
                                            << "29/2/00" << QDate(2000, 2, 29);
        QTest::newRow("no such day") << "es_AR"
                                     << "29/2/2001" << QDate();
        QTest::newRow("no such month") << "es_AR"
                                       << "9/13/2005" << QDate();
        QTest::newRow("three-digit year") << "es_AR"
                                          << "9/1/205" << QDate();
        QTest::newRow("no year") << "es_AR"
                                 << "9/1" << QDate();
        QTest::newRow("other separator") << "es_AR"
                                         << "9-1-2005" << QDate();
        QTest::newRow("trailing text") << "es_AR"
                                       << "9/1/2005x" << QDate();
        QTest::newRow("word") << "es_AR"
                              << "hoy" << QDate();
        QTest::newRow("empty") << "es_AR"
                               << "" << QDate();
        QTest::newRow("en_US month first") << "en_US"
                                           << "1/9/05" << QDate(2005, 1, 9);
        QTest::newRow("en_US day first refused") << "en_US"
                                                 << "13/1/2005" << QDate();
    }
    void readsShortDate() {
        QFETCH(QString, localeName);
        QFETCH(QString, text);
        QFETCH(QDate, expected);
        pin(localeName);
        const std::optional<QDate> read = regional::readShortDate(text);
        QCOMPARE(read.value_or(QDate()), expected);
        QCOMPARE(read.has_value(), expected.isValid());
    }

    void namesMonths_data() {
        QTest::addColumn<QString>("localeName");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("title");
        QTest::newRow("es_AR") << "es_AR" << QDate(2024, 3, 15) << "marzo"
                               << "marzo, 2024";
        QTest::newRow("es_ES") << "es_ES" << QDate(2024, 1, 1) << "enero"
                               << "enero, 2024";
        QTest::newRow("en_US") << "en_US" << QDate(2024, 3, 15) << "March"
                               << "March, 2024";
    }
    void namesMonths() {
        QFETCH(QString, localeName);
        QFETCH(QDate, date);
        QFETCH(QString, month);
        QFETCH(QString, title);
        pin(localeName);
        QCOMPARE(regional::monthName(date.month()), month);
        QCOMPARE(regional::monthYearTitle(date), title);
    }

    void cLocaleMeansSpanishArgentina() {
        QLocale::setDefault(QLocale::c());
        QCOMPARE(regional::locale().name(), QStringLiteral("es_AR"));
        QCOMPARE(regional::currency(money("12")), blanks("$~12,00"));
        QCOMPARE(regional::shortDate(QDate(2005, 1, 9)), QStringLiteral("9/1/2005"));
    }
};

QTEST_GUILESS_MAIN(TstRegional)
#include "tst_regional.moc"
