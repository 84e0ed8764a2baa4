// The checks the schedule editor runs when the user leaves a box.
#include "schedule/core/EditorBoxChecks.h"
#include "support/TestWorkArea.h"

#include <QTest>

using namespace tesorin::schedule;

Q_DECLARE_METATYPE(DayBox)

class EditorBoxChecksTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void dayBoxes_data() {
        QTest::addColumn<DayBox>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("reset"); // empty: the text passes
        QTest::addColumn<QString>("message");
        const QString notNumber = QStringLiteral("Escriba un número válido");
        const QString first = QStringLiteral("Escriba un número de mes entre 1 y 15");
        const QString second = QStringLiteral("Escriba un número de mes entre 15 y 31");
        const QString month = QStringLiteral("Escriba un número de mes entre 1 y 31");
        QTest::newRow("1st fortnight 0") << DayBox::FirstFortnight << "0"
                                         << "1" << first;
        QTest::newRow("1st fortnight 1") << DayBox::FirstFortnight << "1"
                                         << ""
                                         << "";
        QTest::newRow("1st fortnight 15") << DayBox::FirstFortnight << "15"
                                          << ""
                                          << "";
        QTest::newRow("1st fortnight 16") << DayBox::FirstFortnight << "16"
                                          << "1" << first;
        QTest::newRow("1st fortnight letters") << DayBox::FirstFortnight << "ab"
                                               << "1" << notNumber;
        QTest::newRow("1st fortnight empty") << DayBox::FirstFortnight << ""
                                             << "1" << notNumber;
        QTest::newRow("2nd fortnight 14") << DayBox::SecondFortnight << "14"
                                          << "15" << second;
        QTest::newRow("2nd fortnight 15") << DayBox::SecondFortnight << "15"
                                          << ""
                                          << "";
        QTest::newRow("2nd fortnight 31") << DayBox::SecondFortnight << "31"
                                          << ""
                                          << "";
        QTest::newRow("2nd fortnight 32") << DayBox::SecondFortnight << "32"
                                          << "15" << second;
        QTest::newRow("2nd fortnight letters") << DayBox::SecondFortnight << "x"
                                               << "15" << notNumber;
        QTest::newRow("month day 0") << DayBox::MonthDay << "0"
                                     << "1" << month;
        QTest::newRow("month day 1") << DayBox::MonthDay << "1"
                                     << ""
                                     << "";
        QTest::newRow("month day 31") << DayBox::MonthDay << "31"
                                      << ""
                                      << "";
        QTest::newRow("month day 32") << DayBox::MonthDay << "32"
                                      << "1" << month;
        QTest::newRow("month day letters") << DayBox::MonthDay << "zz"
                                           << "1" << notNumber;
        // Only the number at the start counts for the bounds: ",5" is a
        // number (0,5) whose start holds no digits.
        QTest::newRow("fraction without digits first") << DayBox::MonthDay << ",5"
                                                       << "1" << month;
        QTest::newRow("blanks around") << DayBox::MonthDay << " 7"
                                       << ""
                                       << "";
    }
    void dayBoxes() {
        QFETCH(DayBox, box);
        QFETCH(QString, typed);
        QFETCH(QString, reset);
        QFETCH(QString, message);
        const auto refusal = checkDayBox(box, typed);
        QCOMPARE(refusal.has_value(), !reset.isEmpty());
        if (refusal) {
            QCOMPARE(refusal->resetText, reset);
            QCOMPARE(refusal->message, message);
        }
    }

    void timeBox_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("passes");
        QTest::newRow("8:30") << "8:30" << true;
        QTest::newRow("00:00") << "00:00" << true;
        QTest::newRow("23:59") << "23:59" << true;
        QTest::newRow("25:00") << "25:00" << false;
        QTest::newRow("12:60") << "12:60" << false;
        QTest::newRow("letters") << "abc" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("a short date") << "9/1/2005" << true;
    }
    void timeBox() {
        QFETCH(QString, typed);
        QFETCH(bool, passes);
        const auto refusal = checkTimeBox(typed);
        QCOMPARE(!refusal.has_value(), passes);
        if (refusal) {
            QCOMPARE(refusal->resetText, QStringLiteral("12:00"));
            QCOMPARE(refusal->message, QStringLiteral("Estcriba una hora válida ( hh:mm )"));
        }
    }

    void amountBox_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("passes");
        QTest::newRow("letters") << "abc" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("decimal comma") << "1500,5" << true;
        QTest::newRow("currency text") << "$ 1.234,50" << true;
    }
    void amountBox() {
        QFETCH(QString, typed);
        QFETCH(bool, passes);
        const auto refusal = checkAmountBox(typed);
        QCOMPARE(!refusal.has_value(), passes);
        if (refusal) {
            QCOMPARE(refusal->resetText, QStringLiteral("0"));
            QCOMPARE(refusal->message, QStringLiteral("Escriba un valor numérico válido"));
        }
    }
};

TESORIN_TEST_MAIN(EditorBoxChecksTest)
#include "tst_editor_box_checks.moc"
