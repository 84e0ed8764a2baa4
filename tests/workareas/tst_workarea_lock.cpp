// One copy of the program per work area, checked with real second processes:
// the refusal and its message, the release on close, a killed holder's stale
// lock, posting from two writers at once, the leftovers of a killed copy and
// the main window carrying on without a work area another copy holds.
#include "app/MainWindowFixture.h"

#include "exchange/core/ExchangeCommand.h"
#include "oldworkareas/core/ConvertCommand.h"
#include "schedule/core/SchedulePosting.h"
#include "schedule/core/ScheduleRecord.h"
#include "store/Schema.h"
#include "store/WorkAreaFolder.h"
#include "ui/common/Panel3D.h"
#include "workareas/core/WorkAreaLeftovers.h"
#include "workareas/core/WorkAreaLock.h"
#include "workareas/core/WorkAreaSwitch.h"
#include "workareas/ui/panAbreBase.h"
#include "workareas/ui/panNueCaja.h"
#include "workareas/ui/panselCuenta.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>

using namespace tesorin;
using test::ModalDriver;

namespace {

constexpr int kWaitMs = 20000;

QString locked(const char* name) {
    return workareas::lockedWorkAreaMessage(QString::fromLatin1(name));
}

// Another copy of the program (workarea_holder) on the test's folder.
class OtherCopy {
public:
    explicit OtherCopy(const QStringList& arguments) {
        m_process.start(QStringLiteral(WORKAREA_HOLDER), arguments);
    }
    ~OtherCopy() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.closeWriteChannel();
            if (!m_process.waitForFinished(kWaitMs))
                m_process.kill();
            m_process.waitForFinished(kWaitMs);
        }
    }
    OtherCopy(const OtherCopy&) = delete;
    OtherCopy& operator=(const OtherCopy&) = delete;

    // True once the copy printed line; false when it ended first.
    bool says(const char* line) {
        while (true) {
            while (m_process.canReadLine()) {
                if (m_process.readLine().trimmed() == line)
                    return true;
            }
            if (!m_process.waitForReadyRead(kWaitMs))
                return false;
        }
    }
    // Its exit code once it ended by itself, -1 when it did not.
    int exitCode() {
        if (!m_process.waitForFinished(kWaitMs) || m_process.exitStatus() != QProcess::NormalExit)
            return -1;
        return m_process.exitCode();
    }
    QString errors() { return QString::fromUtf8(m_process.readAllStandardError()).trimmed(); }
    void write(const char* line) { m_process.write(line); }
    // The end of its input: the copy closes the work area and ends.
    void close() { m_process.closeWriteChannel(); }
    void kill() {
        m_process.kill();
        m_process.waitForFinished(kWaitMs);
    }

private:
    QProcess m_process;
};

QStringList holding(const test::TestWorkArea& area, const QString& name) {
    return {QStringLiteral("hold"), area.folder(), name};
}

QString lockFile(const test::TestWorkArea& area, const char* name) {
    return workareas::WorkAreaLock::lockPath(area.path(QString::fromLatin1(name)));
}

void touch(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("x");
}

void selectRow(QListWidget* list, const QString& text) {
    for (QListWidgetItem* item : list->findItems(text, Qt::MatchExactly))
        item->setSelected(true);
}

} // namespace

class TstWorkAreaLock : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorkArea> area;

private slots:
    void init() { area = std::make_unique<test::TestWorkArea>(); }

    void cleanup() {
        area.reset();
        TESORIN_VERIFY_NO_WINDOW_LEFT();
    }

    void aSecondCopyIsRefusedWhileTheFirstHoldsTheWorkArea_data() {
        QTest::addColumn<QString>("asked");
        QTest::newRow("same name") << QStringLiteral("BASE.MDB");
        QTest::newRow("other letter case") << QStringLiteral("base.mdb");
    }
    void aSecondCopyIsRefusedWhileTheFirstHoldsTheWorkArea() {
        QFETCH(QString, asked);
        OtherCopy first(holding(*area, QStringLiteral("BASE.MDB")));
        QVERIFY(first.says("abierta"));
        OtherCopy second(holding(*area, asked));
        QCOMPARE(second.exitCode(), 3);
        QCOMPARE(second.errors(), workareas::lockedWorkAreaMessage(asked));
        // The refusal took nothing from the holder.
        QVERIFY(QFile::exists(lockFile(*area, "BASE.MDB")));
        QVERIFY(!workareas::WorkAreaLock::take(area->path(QStringLiteral("BASE.MDB"))));
    }

    void closingReleasesTheLock() {
        OtherCopy first(holding(*area, QStringLiteral("BASE.MDB")));
        QVERIFY(first.says("abierta"));
        first.close();
        QCOMPARE(first.exitCode(), 0);
        QVERIFY(!QFile::exists(lockFile(*area, "BASE.MDB")));
        OtherCopy second(holding(*area, QStringLiteral("BASE.MDB")));
        QVERIFY(second.says("abierta"));
    }

    void aKilledHolderLeavesAStaleLockTheNextCopyTakesOver() {
        OtherCopy first(holding(*area, QStringLiteral("BASE.MDB")));
        QVERIFY(first.says("abierta"));
        first.kill();
        QVERIFY(QFile::exists(lockFile(*area, "BASE.MDB")));
        OtherCopy second(holding(*area, QStringLiteral("BASE.MDB")));
        QVERIFY(second.says("abierta"));
        OtherCopy third(holding(*area, QStringLiteral("BASE.MDB")));
        QCOMPARE(third.exitCode(), 3);
    }

    // Two writers that got past the lock read the same due occurrences and
    // record them at the same moment: each occurrence is stored once.
    void postingFromTwoWritersAtOnceRecordsEachOccurrenceOnce() {
        const QDate today(2024, 3, 20);
        qsizetype due = 0;
        {
            auto db = area->open();
            schedule::ScheduleEntry daily;
            daily.account = QStringLiteral("Alquiler");
            daily.frequency = QStringLiteral("Diaria");
            daily.detail = QStringLiteral("Cuota");
            daily.amount = QStringLiteral("10");
            daily.direction = QStringLiteral("OU");
            schedule::addSchedule(*db, daily, today.addDays(-9));
            due = qsizetype(schedule::duePosting(*db, today).movements.size());
        }
        QVERIFY(due > 1);
        const QStringList posting{QStringLiteral("post"), area->folder(),
                                  QStringLiteral("BASE.MDB"), today.toString(Qt::ISODate)};
        OtherCopy first(posting);
        OtherCopy second(posting);
        QVERIFY(first.says("leida"));
        QVERIFY(second.says("leida"));
        first.write("\n");
        second.write("\n");
        QCOMPARE(first.exitCode(), 0);
        QCOMPARE(second.exitCode(), 0);

        auto db = area->open();
        store::Statement rows = db->prepare(QStringLiteral(
            "SELECT count(*), count(DISTINCT Fecha) FROM Movimientos WHERE Tipo = 'Programado'"));
        QVERIFY(rows.step());
        QCOMPARE(rows.int64(0), std::int64_t(due));
        QCOMPARE(rows.int64(1), std::int64_t(due));
        QVERIFY(schedule::duePosting(*db, today).movements.empty());
    }

    void theCommandLineRefusesAWorkAreaOpenElsewhere() {
        OtherCopy holder(holding(*area, QStringLiteral("BASE.MDB")));
        QVERIFY(holder.says("abierta"));
        const QString exported = QDir(area->folder()).filePath(QStringLiteral("salida.csv"));
        QString outText, errText;
        QTextStream out(&outText), err(&errText);
        QCOMPARE(exchange::runExchangeCommand(
                     {QStringLiteral("tesorin"), QStringLiteral("--exportar"), exported,
                      QStringLiteral("--caja"), QStringLiteral("BASE.MDB")},
                     out, err),
                 1);
        QCOMPARE(errText.trimmed(), locked("BASE.MDB"));
        QVERIFY(!QFile::exists(exported));

        errText.clear();
        QCOMPARE(oldworkareas::runConvertCommand(area->path(QStringLiteral("BASE.MDB")), out, err),
                 1);
        QCOMPARE(errText.trimmed(), locked("BASE.MDB"));
    }

    // What a copy killed while it made NUEVA.MDB, took a backup copy of it or
    // converted VIEJA.MDB left.
    void leftoversGoOnlyWhenNoCopyOwnsThem_data() {
        QTest::addColumn<bool>("owned");
        QTest::newRow("nobody making them") << false;
        QTest::newRow("another copy making them") << true;
    }
    void leftoversGoOnlyWhenNoCopyOwnsThem() {
        QFETCH(bool, owned);
        const QStringList leftovers{
            QStringLiteral("NUEVA.MDB.nueva"),
            QStringLiteral("NUEVA.MDB.nueva-journal"),
            QStringLiteral("copias/NUEVA-2026-12-10-100000-2.MDB.parcial-journal"),
            QStringLiteral("copias/NUEVA-2026-12-10-100000.MDB.parcial"),
            QStringLiteral("vieja.mdb.convirtiendo"),
            QStringLiteral("vieja.mdb.convirtiendo.nueva-journal"),
            QStringLiteral("vieja.mdb.restaurando")};
        const QStringList kept{QStringLiteral("OTRA.MDB"), QStringLiteral("NOTAS.MDB.txt"),
                               QStringLiteral("NUEVA.nueva"),
                               QStringLiteral("copias/NUEVA-2026-12-10-090000.MDB"),
                               QStringLiteral("copias/NOTAS.MDB.parcial")};
        QDir().mkpath(area->path(QStringLiteral("copias")));
        for (const QString& name : leftovers + kept)
            touch(area->path(name));
        std::unique_ptr<OtherCopy> making;
        if (owned) {
            making = std::make_unique<OtherCopy>(
                QStringList{QStringLiteral("make"), area->folder(), QStringLiteral("NUEVA.MDB")});
            QVERIFY(making->says("abierta"));
        }
        QStringList expected = leftovers;
        if (owned)
            expected = expected.mid(4);
        QCOMPARE(workareas::removeAbandonedLeftovers(area->folder()), expected);
        for (const QString& name : leftovers + kept)
            QCOMPARE(QFile::exists(area->path(name)), !expected.contains(name));
    }

    void startingWhileAnotherCopyHoldsBaseLeavesNoWorkAreaOpen() {
        OtherCopy holder(holding(*area, QStringLiteral("BASE.MDB")));
        QVERIFY(holder.says("abierta"));
        ModalDriver driver;
        driver.nextAnswer();
        auto window = test::openMainWindow();
        QVERIFY(window);
        QCOMPARE(driver.messages().size(), 1);
        QCOMPARE(driver.messages().front().text, locked("BASE.MDB"));
        QVERIFY(!window->estado().baseAbierta);
        QVERIFY(!window->estado().bloqueo);
        QCOMPARE(window->windowTitle(), workareas::closedWorkAreaWindowCaption());
        QCOMPARE(window->Label1()->caption(), workareas::closedWorkAreaMessage());
        QVERIFY(!window->menuItem(QStringLiteral("menuArcCierra"))->isEnabled());
    }

    // "Abrir cuenta de caja" and the work-area panel keep the current work
    // area when the one chosen is open in another copy, and reopen the
    // current one itself.
    void choosingAWorkAreaOpenElsewhereKeepsTheCurrentOne_data() {
        QTest::addColumn<bool>("fromPanel");
        QTest::newRow("Abrir") << false;
        QTest::newRow("panel") << true;
    }
    void choosingAWorkAreaOpenElsewhereKeepsTheCurrentOne() {
        QFETCH(bool, fromPanel);
        store::createWorkAreaFile(area->path(QStringLiteral("OTRA.MDB")));
        auto window = test::openMainWindow();
        QVERIFY(window);
        int programEnds = 0;
        window->setProgramEnd([&programEnds] { ++programEnds; });
        OtherCopy holder(holding(*area, QStringLiteral("OTRA.MDB")));
        QVERIFY(holder.says("abierta"));
        const auto choose = [&window, fromPanel](ModalDriver& driver, const char* name) {
            const QString row = QString::fromLatin1(name);
            if (fromPanel) {
                driver.expect<workareas::panselCuenta>([row](workareas::panselCuenta& dialog) {
                    selectRow(ModalDriver::child<QListWidget>(&dialog, "List1"), row);
                    ModalDriver::clickLater(ModalDriver::child<QPushButton>(&dialog, "Command1"));
                });
                QTest::mouseClick(window->SSPanel3(), Qt::LeftButton);
            } else {
                driver.expect<workareas::panAbreBase>([row](workareas::panAbreBase& dialog) {
                    selectRow(ModalDriver::child<QListWidget>(&dialog, "List1"), row);
                    ModalDriver::clickLater(ModalDriver::child<QPushButton>(&dialog, "Command7"));
                });
                window->menuItem(QStringLiteral("menuArcAbrir"))->trigger();
            }
        };
        {
            ModalDriver driver;
            driver.nextAnswer();
            choose(driver, "OTRA.MDB");
            QCOMPARE(driver.messages().size(), 1);
            QCOMPARE(driver.messages().front().text, locked("OTRA.MDB"));
        }
        QCOMPARE(window->estado().nombreBase, QStringLiteral("BASE.MDB"));
        QVERIFY(window->estado().baseAbierta && window->estado().baseAbierta->isOpen());
        QVERIFY(window->estado().bloqueo);
        QCOMPARE(programEnds, 0);
        {
            ModalDriver driver;
            choose(driver, "BASE.MDB");
            QVERIFY(driver.messages().isEmpty());
        }
        QVERIFY(window->estado().baseAbierta && window->estado().baseAbierta->isOpen());
        QVERIFY(window->estado().bloqueo);
        QCOMPARE(programEnds, 0);
    }

    // Another copy making the same name holds its lock: this one keeps its
    // work area and makes nothing.
    void makingANameAnotherCopyIsMakingKeepsTheCurrentOne() {
        auto window = test::openMainWindow();
        QVERIFY(window);
        int programEnds = 0;
        window->setProgramEnd([&programEnds] { ++programEnds; });
        OtherCopy making({QStringLiteral("make"), area->folder(), QStringLiteral("NUEVA.MDB")});
        QVERIFY(making.says("abierta"));
        ModalDriver driver;
        driver.expect<workareas::panNueCaja>([](workareas::panNueCaja& dialog) {
            ModalDriver::child<QLineEdit>(&dialog, "Text1")->setText(QStringLiteral("Nueva"));
            ModalDriver::clickLater(ModalDriver::child<QPushButton>(&dialog, "Command7"));
        });
        driver.nextAnswer();
        window->menuItem(QStringLiteral("menuArcNueva"))->trigger();
        QCOMPARE(driver.messages().size(), 1);
        QCOMPARE(driver.messages().front().text, locked("Nueva.MDB"));
        QCOMPARE(window->estado().nombreBase, QStringLiteral("BASE.MDB"));
        QVERIFY(window->estado().baseAbierta && window->estado().baseAbierta->isOpen());
        QVERIFY(!QFile::exists(area->path(QStringLiteral("Nueva.MDB"))));
        QCOMPARE(programEnds, 0);
    }

    void closingTheWorkAreaLetsAnotherCopyOpenIt() {
        auto window = test::openMainWindow();
        QVERIFY(window);
        window->menuItem(QStringLiteral("menuArcCierra"))->trigger();
        QVERIFY(!window->estado().baseAbierta);
        OtherCopy other(holding(*area, QStringLiteral("BASE.MDB")));
        QVERIFY(other.says("abierta"));
    }
};

TESORIN_GUI_TEST_MAIN(TstWorkAreaLock)
#include "tst_workarea_lock.moc"
