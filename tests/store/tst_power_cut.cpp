// What the program has said is saved is still there after a power cut that
// comes right after it: the disk keeps only what was synced.
#include "PowerCutDisk.h"

#include "exchange/core/ImportPlan.h"
#include "movements/core/MovementRows.h"
#include "schedule/core/PostingStep.h"
#include "schedule/core/SchedulePosting.h"
#include "schedule/core/ScheduleRecord.h"
#include "store/Database.h"
#include "support/TestWorkArea.h"

#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace tesorin;

namespace {

using Operation = std::function<void(store::Database&)>;

QVector<exchange::PlannedRow> importedRows(int count) {
    QVector<exchange::PlannedRow> rows;
    for (int i = 1; i <= count; ++i) {
        exchange::PlannedRow row;
        row.row.line = i;
        row.row.date = QDate(2024, 2, 1).addDays(i % 28);
        row.row.detail = QStringLiteral("Extracto línea %1").arg(i);
        row.row.amount = test::money(i % 2 ? "-12.5" : "300");
        row.ticked = true;
        rows.append(row);
    }
    return rows;
}

qint64 movementCount(store::Database& db) {
    store::Statement count = db.prepare(QStringLiteral("SELECT count(*) FROM Movimientos"));
    return count.step() ? count.int64(0) : -1;
}

} // namespace

Q_DECLARE_METATYPE(Operation)

class PowerCutTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { area = std::make_unique<test::TestWorkArea>(); }
    void cleanup() { area.reset(); }

    void whatWasSavedSurvivesACut_data() {
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<qint64>("movements");
        QTest::newRow("new movement") << Operation([](store::Database& db) {
            movements::addPayment(db, {QDate(2024, 3, 9), QStringLiteral("Alquiler"),
                                       QStringLiteral("marzo"), QStringLiteral("250"),
                                       QStringLiteral("Efectivo")});
        }) << qint64(1);
        QTest::newRow("posting") << Operation([](store::Database& db) {
            const QDate today(2024, 3, 4);
            schedule::postDueMovements(db, schedule::duePosting(db, today), today);
        }) << qint64(4);
        QTest::newRow("import") << Operation([](store::Database& db) {
            exchange::ImportTarget target;
            target.account = QStringLiteral("Efectivo");
            exchange::writeImport(db, importedRows(2000), target);
        }) << qint64(2000);
    }
    void whatWasSavedSurvivesACut() {
        QFETCH(Operation, operation);
        QFETCH(qint64, movements);
        {
            const auto db = area->open();
            schedule::ScheduleEntry rent;
            rent.account = QStringLiteral("Alquiler");
            rent.frequency = QStringLiteral("Diaria");
            rent.amount = QStringLiteral("100");
            rent.direction = QStringLiteral("OU");
            schedule::addSchedule(*db, rent, QDate(2024, 3, 1));
        }
        QTemporaryDir afterTheCut;
        {
            test::PowerCutDisk disk(area->folder());
            const auto db = area->open();
            operation(*db);
            QCOMPARE(movementCount(*db), movements);
            // The program has said it is saved; the power goes now.
            QVERIFY(disk.cutInto(afterTheCut.path()));
        }
        const auto reopened = store::Database::openFile(
            afterTheCut.filePath(QStringLiteral("BASE.MDB")), QStringLiteral("BASE.MDB"));
        QCOMPARE(movementCount(*reopened), movements);
    }

private:
    std::unique_ptr<test::TestWorkArea> area;
};

TESORIN_TEST_MAIN(PowerCutTest)
#include "tst_power_cut.moc"
