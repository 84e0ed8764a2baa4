// Posting what falls due, and storing schedules, on a real work area->
#include "base/Clock.h"
#include "schedule/core/SchedulePosting.h"
#include "schedule/core/ScheduleRecord.h"
#include "store/Database.h"
#include "store/StoreError.h"
#include "support/TestWorkArea.h"

#include <QTest>

using namespace tesorin;
using namespace tesorin::schedule;

namespace {

QDate day(const char* iso) {
    return QDate::fromString(QString::fromLatin1(iso), Qt::ISODate);
}

ScheduleEntry entry(const QString& frequency, const QString& direction = QStringLiteral("OU")) {
    ScheduleEntry e;
    e.account = QStringLiteral("Alquiler");
    e.frequency = frequency;
    e.firstFortnightDay = QStringLiteral("1");
    e.secondFortnightDay = QStringLiteral("15");
    e.weekday = 2;
    e.monthDay = QStringLiteral("1");
    e.timeOfDay = QStringLiteral("00:00");
    e.detail = QStringLiteral("Cuota");
    e.amount = QStringLiteral("1500,5");
    e.direction = direction;
    return e;
}

void setCovered(store::Database& db, std::int64_t id, const QVariant& lastDay) {
    store::Statement set =
        db.prepare(QStringLiteral("UPDATE Programa SET UltimaFecha = ?1 WHERE idPrograma = ?2"));
    set.bind(1, lastDay).bindInt64(2, id);
    set.run();
}

QString covered(store::Database& db, std::int64_t id) {
    store::Statement get =
        db.prepare(QStringLiteral("SELECT UltimaFecha FROM Programa WHERE idPrograma = ?1"));
    get.bindInt64(1, id);
    get.step();
    return get.text(0);
}

// Every movement as "date account detail medium income expense".
QStringList movements(store::Database& db) {
    store::Statement all =
        db.prepare(QStringLiteral("SELECT Fecha, Cuenta, Detalle, Tipo, Ingreso, Egreso FROM "
                                  "Movimientos ORDER BY Fecha, idMovimiento"));
    QStringList rows;
    while (all.step()) {
        rows << QStringLiteral("%1 %2 %3 %4 %5 %6")
                    .arg(all.text(0), all.text(1), all.text(2), all.text(3))
                    .arg(all.real(4))
                    .arg(all.real(5));
    }
    return rows;
}

QStringList dates(const DuePosting& due) {
    QStringList list;
    for (const DueMovement& movement : due.movements)
        list << movement.date.toString(Qt::ISODate);
    return list;
}

// What opening the work area does when the user answers Yes.
void openAndPost(store::Database& db, const QDate& today) {
    dateUndatedSchedules(db, today);
    const DuePosting due = duePosting(db, today);
    if (!due.isEmpty())
        recordDuePosting(db, due, today);
}

} // namespace

class SchedulePostingTest : public QObject {
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
    void aNewScheduleCoversUpToTheDayBefore() {
        const std::int64_t id =
            addSchedule(*db, entry(QStringLiteral("Diaria")), day("2024-03-01"));
        QCOMPARE(covered(*db, id), QStringLiteral("2024-02-29"));
        QCOMPARE(dates(duePosting(*db, day("2024-03-01"))), QStringList{"2024-03-01"});
    }

    void aStoredScheduleReadsBackAsTheEditorShowsIt() {
        ScheduleEntry stored = entry(QStringLiteral("Quincenal"));
        stored.weekendsExcluded = true;
        stored.weekday = 7;
        const std::int64_t id = addSchedule(*db, stored, day("2024-03-01"));
        const ScheduleEntry read = readSchedule(*db, id);
        QCOMPARE(read.frequency, QStringLiteral("Quincenal"));
        QCOMPARE(read.weekendsExcluded, true);
        QCOMPARE(read.weekday, 7);
        QCOMPARE(read.firstFortnightDay, QStringLiteral("1"));
        QCOMPARE(read.secondFortnightDay, QStringLiteral("15"));
        QCOMPARE(read.amount, QStringLiteral("1500,5"));
        QCOMPARE(read.direction, QStringLiteral("OU"));
    }

    void aTextTheFieldCannotTakeStoresNothing_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("monthDay");
        QTest::newRow("letters in the amount") << "abc"
                                               << "1";
        QTest::newRow("an empty amount") << ""
                                         << "1";
        QTest::newRow("a fraction of a day") << "10"
                                             << "1,5";
    }
    void aTextTheFieldCannotTakeStoresNothing() {
        QFETCH(QString, amount);
        QFETCH(QString, monthDay);
        const std::int64_t id =
            addSchedule(*db, entry(QStringLiteral("Mensual")), day("2024-03-01"));
        ScheduleEntry changed = entry(QStringLiteral("Mensual"));
        changed.amount = amount;
        changed.monthDay = monthDay;
        QVERIFY_THROWS_EXCEPTION(store::StoreError, addSchedule(*db, changed, day("2024-03-01")));
        QVERIFY_THROWS_EXCEPTION(store::StoreError, rewriteSchedule(*db, id, changed));
        QCOMPARE(readSchedule(*db, id).amount, QStringLiteral("1500,5"));
        store::Statement count = db->prepare(QStringLiteral("SELECT count(*) FROM Programa"));
        count.step();
        QCOMPARE(count.int64(0), 1);
    }

    void eachFrequencyPostsItsDays_data() {
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("monthDay");
        QTest::addColumn<QDate>("lastCovered");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("daily across a month end")
            << "Diaria"
            << "1" << day("2024-01-29") << day("2024-02-01")
            << QStringList{"2024-01-30", "2024-01-31", "2024-02-01"};
        QTest::newRow("weekly (Lunes)") << "Semanal"
                                        << "1" << day("2024-02-20") << day("2024-03-05")
                                        << QStringList{"2024-02-26", "2024-03-04"};
        QTest::newRow("fortnightly across February")
            << "Quincenal"
            << "1" << day("2024-01-31") << day("2024-03-01")
            << QStringList{"2024-02-01", "2024-02-15", "2024-03-01"};
        QTest::newRow("monthly on 31 through February")
            << "Mensual"
            << "31" << day("2023-01-15") << day("2023-03-31")
            << QStringList{"2023-01-31", "2023-02-28", "2023-03-31"};
    }
    void eachFrequencyPostsItsDays() {
        QFETCH(QString, frequency);
        QFETCH(QString, monthDay);
        QFETCH(QDate, lastCovered);
        QFETCH(QDate, today);
        QFETCH(QStringList, expected);
        ScheduleEntry e = entry(frequency);
        e.monthDay = monthDay;
        const std::int64_t id = addSchedule(*db, e, today);
        setCovered(*db, id, lastCovered);
        openAndPost(*db, today);
        QStringList expectedRows;
        for (const QString& date : expected)
            expectedRows << date + QStringLiteral(" Alquiler Cuota Programado 0 1500.5");
        QCOMPARE(movements(*db), expectedRows);
        QCOMPARE(covered(*db, id), today.toString(Qt::ISODate));
    }

    void weekendsAreLeftOutOfADailySchedule() {
        ScheduleEntry e = entry(QStringLiteral("Diaria"), QStringLiteral("IN"));
        e.weekendsExcluded = true;
        const std::int64_t id = addSchedule(*db, e, day("2024-03-04"));
        setCovered(*db, id, day("2024-02-29"));
        openAndPost(*db, day("2024-03-04"));
        QCOMPARE(movements(*db), (QStringList{"2024-03-01 Alquiler Cuota Programado 1500.5 0",
                                              "2024-03-04 Alquiler Cuota Programado 1500.5 0"}));
    }

    void aSchedulePostedUpToYesterdayOwesToday() {
        const QDate today = day("2024-06-10");
        const std::int64_t daily = addSchedule(*db, entry(QStringLiteral("Diaria")), today);
        const std::int64_t monthly = addSchedule(*db, entry(QStringLiteral("Mensual")), today);
        setCovered(*db, daily, today.addDays(-1));
        setCovered(*db, monthly, today.addDays(-1));
        const DuePosting due = duePosting(*db, today);
        QCOMPARE(dates(due), QStringList{"2024-06-10"});
        QCOMPARE(due.movements.front().scheduleId, daily);
        QCOMPARE(int(due.coveredSchedules.size()), 2);
    }

    void aSecondOpeningPostsNothing() {
        const QDate today = day("2024-06-10");
        const std::int64_t id = addSchedule(*db, entry(QStringLiteral("Diaria")), today);
        setCovered(*db, id, day("2024-06-01"));
        openAndPost(*db, today);
        const QStringList once = movements(*db);
        QCOMPARE(once.size(), 9);
        QVERIFY(duePosting(*db, today).isEmpty());
        openAndPost(*db, today);
        QCOMPARE(movements(*db), once);
    }

    void anUndatedScheduleOwesNothingForThePast_data() {
        QTest::addColumn<QVariant>("stored");
        QTest::newRow("empty") << QVariant();
        QTest::newRow("not a date") << QVariant(QStringLiteral("ayer"));
    }
    void anUndatedScheduleOwesNothingForThePast() {
        QFETCH(QVariant, stored);
        const QDate today = day("2024-06-10");
        const std::int64_t id =
            addSchedule(*db, entry(QStringLiteral("Diaria")), day("2020-01-01"));
        setCovered(*db, id, stored);
        QCOMPARE(dateUndatedSchedules(*db, today), 1);
        QCOMPARE(covered(*db, id), QStringLiteral("2024-06-09"));
        QCOMPARE(dates(duePosting(*db, today)), QStringList{"2024-06-10"});
    }

    void aScheduleCoveringTodayOrLaterOwesNothing() {
        const QDate today = day("2024-06-10");
        const std::int64_t id = addSchedule(*db, entry(QStringLiteral("Diaria")), today);
        setCovered(*db, id, day("2024-06-20"));
        const DuePosting due = duePosting(*db, today);
        QVERIFY(due.isEmpty());
        QVERIFY(due.coveredSchedules.empty());
    }

    void aFailedRecordingRecordsNothing() {
        const QDate today = day("2024-06-10");
        const std::int64_t id = addSchedule(*db, entry(QStringLiteral("Diaria")), today);
        setCovered(*db, id, day("2024-06-01"));
        // The fifth movement written fails, as a full disk would.
        db->exec(QStringLiteral("CREATE TRIGGER fifth BEFORE INSERT ON Movimientos "
                                "WHEN (SELECT count(*) FROM Movimientos) >= 4 "
                                "BEGIN SELECT RAISE(ABORT, 'disco lleno'); END"));
        const DuePosting due = duePosting(*db, today);
        QVERIFY_THROWS_EXCEPTION(store::StoreError, recordDuePosting(*db, due, today));
        QVERIFY(movements(*db).isEmpty());
        QCOMPARE(covered(*db, id), QStringLiteral("2024-06-01"));
    }

    // A schedule stored without its details (no amount) is listed apart,
    // never posted, and keeps its last covered day for when it is filled in.
    void aScheduleWithoutAmountIsNeverPosted_data() {
        QTest::addColumn<bool>("missing");
        QTest::newRow("zero, as the editor leaves it") << false;
        QTest::newRow("missing") << true;
    }
    void aScheduleWithoutAmountIsNeverPosted() {
        QFETCH(bool, missing);
        const QDate today = day("2024-06-10");
        ScheduleEntry bare = entry(QStringLiteral("Diaria"), QStringLiteral("IN"));
        bare.account = QStringLiteral("Sueldo");
        bare.amount = QStringLiteral("0");
        const std::int64_t empty = addSchedule(*db, bare, today);
        if (missing)
            db->exec(QStringLiteral("UPDATE Programa SET Importe = NULL WHERE idPrograma = %1")
                         .arg(empty));
        const std::int64_t full = addSchedule(*db, entry(QStringLiteral("Diaria")), today);
        setCovered(*db, empty, day("2024-06-07"));
        setCovered(*db, full, day("2024-06-07"));
        const DuePosting due = duePosting(*db, today);
        QCOMPARE(dates(due), (QStringList{"2024-06-08", "2024-06-09", "2024-06-10"}));
        QCOMPARE(int(due.withoutAmount.size()), 1);
        QCOMPARE(due.withoutAmount.front().scheduleId, empty);
        QCOMPARE(due.withoutAmount.front().date, day("2024-06-08"));
        QCOMPARE(due.coveredSchedules, std::vector<std::int64_t>{full});
        recordDuePosting(*db, due, today);
        for (const QString& row : movements(*db))
            QVERIFY2(row.contains(QStringLiteral("Alquiler")), qPrintable(row));
        QCOMPARE(covered(*db, empty), QStringLiteral("2024-06-07"));
    }

    // Occurrences left unticked are not recorded, and the schedule's last
    // covered day moves past them: they are never due again.
    void untickedOccurrencesAreSkippedForGood() {
        const QDate today = day("2024-06-10");
        const std::int64_t id = addSchedule(*db, entry(QStringLiteral("Diaria")), today);
        setCovered(*db, id, day("2024-06-07"));
        const DuePosting due = duePosting(*db, today);
        QCOMPARE(dates(due).size(), 3);
        recordDuePosting(*db, due, today, {true, false, true});
        QCOMPARE(movements(*db), (QStringList{"2024-06-08 Alquiler Cuota Programado 0 1500.5",
                                              "2024-06-10 Alquiler Cuota Programado 0 1500.5"}));
        QCOMPARE(covered(*db, id), QStringLiteral("2024-06-10"));
        QVERIFY(duePosting(*db, today).isEmpty());
    }

    void aYearOfDailySchedulesIsPostedWhole() {
        const QDate today = day("2024-12-31");
        for (int i = 0; i < 5; ++i) {
            const std::int64_t id = addSchedule(*db, entry(QStringLiteral("Diaria")), today);
            setCovered(*db, id, day("2023-12-31"));
        }
        openAndPost(*db, today);
        QCOMPARE(movements(*db).size(), 5 * 366);
    }

    void dueMovementsAreListedWithTheirDirection() {
        DueMovement movement;
        movement.date = day("2005-01-09");
        movement.account = QStringLiteral("Sueldo");
        movement.detail = QStringLiteral("Enero");
        movement.amount = test::money("1234.5");
        movement.income = true;
        QCOMPARE(dueMovementTexts(movement),
                 (QStringList{"9/1/2005", "Sueldo", "Enero", QStringLiteral("$\u00a01.234,50"),
                              "Ingreso"}));
    }
};

TESORIN_TEST_MAIN(SchedulePostingTest)
#include "tst_schedule_posting.moc"
