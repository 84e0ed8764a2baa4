// The days on which a schedule falls due.
#include "schedule/core/Occurrences.h"
#include "support/TestWorkArea.h"

#include <QTest>

using namespace tesorin::schedule;

Q_DECLARE_METATYPE(Frequency)

namespace {
QDate day(const char* iso) {
    return QDate::fromString(QString::fromLatin1(iso), Qt::ISODate);
}

QString isoList(const std::vector<QDate>& dates) {
    QStringList texts;
    for (const QDate& date : dates)
        texts << date.toString(Qt::ISODate);
    return texts.join(QLatin1Char(' '));
}
} // namespace

class OccurrencesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void occurrences_data() {
        QTest::addColumn<Frequency>("frequency");
        QTest::addColumn<bool>("weekendsExcluded");
        QTest::addColumn<int>("weekday");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<int>("monthDay");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QString>("expected");

        QTest::newRow("daily across a month end")
            << Frequency::Diaria << false << 0 << 0 << 0 << 0 << day("2024-01-30")
            << day("2024-02-02") << "2024-01-30 2024-01-31 2024-02-01 2024-02-02";
        QTest::newRow("daily, weekends left out")
            << Frequency::Diaria << true << 0 << 0 << 0 << 0 << day("2024-03-01")
            << day("2024-03-05") << "2024-03-01 2024-03-04 2024-03-05";
        QTest::newRow("daily with weekends")
            << Frequency::Diaria << false << 0 << 0 << 0 << 0 << day("2024-03-02")
            << day("2024-03-03") << "2024-03-02 2024-03-03";
        QTest::newRow("weekly on Domingo across a month end")
            << Frequency::Semanal << false << 1 << 0 << 0 << 0 << day("2024-01-25")
            << day("2024-02-10") << "2024-01-28 2024-02-04";
        QTest::newRow("weekly on Sábado")
            << Frequency::Semanal << false << 7 << 0 << 0 << 0 << day("2024-03-01")
            << day("2024-03-16") << "2024-03-02 2024-03-09 2024-03-16";
        QTest::newRow("weekly on the first day of the range")
            << Frequency::Semanal << false << 6 << 0 << 0 << 0 << day("2024-03-01")
            << day("2024-03-01") << "2024-03-01";
        QTest::newRow("weekly without a weekday") << Frequency::Semanal << false << 0 << 0 << 0 << 0
                                                  << day("2024-03-01") << day("2024-03-31") << "";
        QTest::newRow("weekly on weekday 8") << Frequency::Semanal << false << 8 << 0 << 0 << 0
                                             << day("2024-03-01") << day("2024-03-31") << "";
        QTest::newRow("fortnightly across a month end")
            << Frequency::Quincenal << false << 0 << 10 << 25 << 0 << day("2024-01-20")
            << day("2024-02-12") << "2024-01-25 2024-02-10";
        QTest::newRow("fortnightly on 31 in a leap February")
            << Frequency::Quincenal << false << 0 << 15 << 31 << 0 << day("2024-02-01")
            << day("2024-03-01") << "2024-02-15 2024-02-29";
        QTest::newRow("fortnightly on 30 in February")
            << Frequency::Quincenal << false << 0 << 1 << 30 << 0 << day("2023-02-01")
            << day("2023-02-28") << "2023-02-01 2023-02-28";
        QTest::newRow("fortnightly on the same day twice")
            << Frequency::Quincenal << false << 0 << 15 << 15 << 0 << day("2024-05-01")
            << day("2024-05-31") << "2024-05-15";
        QTest::newRow("monthly on 31 through short months")
            << Frequency::Mensual << false << 0 << 0 << 0 << 31 << day("2024-03-15")
            << day("2024-05-31") << "2024-03-31 2024-04-30 2024-05-31";
        QTest::newRow("monthly on 30 in a leap February")
            << Frequency::Mensual << false << 0 << 0 << 0 << 30 << day("2024-01-31")
            << day("2024-03-01") << "2024-02-29";
        QTest::newRow("monthly on 29 in a common February")
            << Frequency::Mensual << false << 0 << 0 << 0 << 29 << day("2023-02-01")
            << day("2023-03-28") << "2023-02-28";
        QTest::newRow("monthly across a year end")
            << Frequency::Mensual << false << 0 << 0 << 0 << 1 << day("2023-12-02")
            << day("2024-02-01") << "2024-01-01 2024-02-01";
        QTest::newRow("monthly on day 0") << Frequency::Mensual << false << 0 << 0 << 0 << 0
                                          << day("2024-01-01") << day("2024-12-31") << "";
        QTest::newRow("an empty range") << Frequency::Diaria << false << 0 << 0 << 0 << 0
                                        << day("2024-01-02") << day("2024-01-01") << "";
    }
    void occurrences() {
        QFETCH(Frequency, frequency);
        QFETCH(bool, weekendsExcluded);
        QFETCH(int, weekday);
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(int, monthDay);
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(QString, expected);
        DueRule rule;
        rule.frequency = frequency;
        rule.weekendsExcluded = weekendsExcluded;
        rule.weekday = weekday;
        rule.firstFortnightDay = first;
        rule.secondFortnightDay = second;
        rule.monthDay = monthDay;
        QCOMPARE(isoList(tesorin::schedule::occurrences(rule, from, to)), expected);
    }
};

TESORIN_TEST_MAIN(OccurrencesTest)
#include "tst_occurrences.moc"
