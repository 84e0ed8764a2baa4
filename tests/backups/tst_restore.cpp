// Restoring a copy: the current state copied first, the work area replaced
// whole, the connections closed around the swap; a copy that does not open
// refused before anything changes.
#include "backups/core/BackupFiles.h"
#include "backups/core/WorkAreaBackup.h"
#include "backups/core/WorkAreaRestore.h"
#include "base/Clock.h"
#include "store/StoreError.h"
#include "support/TestWorkArea.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace tesorin;

namespace {

const QString kBase = QStringLiteral("BASE.MDB");

qint64 movements(store::Database& db) {
    store::Statement count = db.prepare(QStringLiteral("SELECT count(*) FROM Movimientos"));
    count.step();
    return count.int64(0);
}

} // namespace

class tst_restore : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorkArea> area;
    std::unique_ptr<store::Database> open;
    QStringList calls;

    backups::RestoreHooks hooks() {
        backups::RestoreHooks h;
        h.copyCurrentState = [this]() -> std::optional<QString> {
            calls << QStringLiteral("copy");
            return backups::backupWorkArea(kBase);
        };
        h.closeConnections = [this] {
            calls << QStringLiteral("close");
            open.reset();
        };
        h.openConnections = [this] {
            calls << QStringLiteral("open");
            open = store::Database::OpenDatabase(kBase);
        };
        return h;
    }

private slots:
    void init() {
        area = std::make_unique<test::TestWorkArea>();
        open = area->open();
        test::addMovement(*open, QDate(2026, 1, 5), QStringLiteral("Sueldo"), QString(),
                          test::money("1000"), Money());
        clock::setNowForTests(QDateTime(QDate(2026, 12, 10), QTime(9, 0)));
        calls.clear();
    }
    void cleanup() {
        clock::setNowForTests(QDateTime());
        open.reset();
        area.reset();
    }

    void theCopyReplacesTheWorkAreaAfterTheCurrentStateIsCopied() {
        const QString copy = backups::backupWorkArea(kBase);
        test::addMovement(*open, QDate(2026, 2, 1), QStringLiteral("Sueldo"), QString(),
                          test::money("5"), Money());
        test::addMovement(*open, QDate(2026, 2, 2), QStringLiteral("Sueldo"), QString(),
                          test::money("6"), Money());
        clock::setNowForTests(QDateTime(QDate(2026, 12, 10), QTime(10, 0)));

        const auto step = backups::restoreBackup(kBase, copy, hooks());

        QVERIFY(step);
        QCOMPARE(calls, QStringList({"copy", "close", "open"}));
        QCOMPARE(step->restoredCopy, copy);
        QCOMPARE(QFileInfo(step->stateBefore).fileName(),
                 QStringLiteral("BASE-2026-12-10-100000.MDB"));
        QVERIFY(open);
        QCOMPARE(movements(*open), 1);
        // The state before the restore is kept whole, so the restore can be
        // undone from it.
        auto before = store::Database::openFile(step->stateBefore, QStringLiteral("antes"));
        QCOMPARE(movements(*before), 3);
        QCOMPARE(QDir(area->folder()).entryList(QDir::Files),
                 QStringList{kBase}); // no staged file left
        QCOMPARE(backups::listBackups(kBase).size(), 2);
    }

    void aCopyThatDoesNotOpenIsRefused_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("not a database") << QByteArray(8192, 'x');
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("a database that is no work area")
            << QByteArray("SQLite format 3\0", 16) + QByteArray(4096 - 16, '\0');
    }
    void aCopyThatDoesNotOpenIsRefused() {
        QFETCH(QByteArray, content);
        QDir().mkpath(backups::backupFolder());
        const QString bad = QDir(backups::backupFolder()).filePath("BASE-2026-12-01-100000.MDB");
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        try {
            backups::restoreBackup(kBase, bad, hooks());
            QFAIL("restored");
        } catch (const store::StoreError& failure) {
            QVERIFY2(failure.message().startsWith(QStringLiteral(
                         "No se puede restaurar la copia «BASE-2026-12-01-100000.MDB»")),
                     qPrintable(failure.message()));
        }
        QCOMPARE(calls, QStringList());
        QVERIFY(open);
        QCOMPARE(movements(*open), 1);
        QCOMPARE(QDir(area->folder()).entryList(QDir::Files), QStringList{kBase});
    }

    // It opens as a work area, but the movements' pages are damaged.
    void aDamagedCopyIsRefused() {
        const QString copy = backups::backupWorkArea(kBase);
        qint64 root = 0;
        {
            auto db = store::Database::openFile(copy, QStringLiteral("copia"));
            store::Statement q = db->prepare(
                QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name = 'Movimientos'"));
            q.step();
            root = q.int64(0);
        }
        QFile file(copy);
        QVERIFY(file.open(QIODevice::ReadWrite));
        file.seek((root - 1) * 4096);
        file.write(QByteArray(64, '\x5a'));
        file.close();
        try {
            backups::restoreBackup(kBase, copy, hooks());
            QFAIL("restored");
        } catch (const store::StoreError& failure) {
            QCOMPARE(failure.message(),
                     QStringLiteral("No se puede restaurar la copia «%1»: el archivo está dañado.")
                         .arg(QFileInfo(copy).fileName()));
        }
        QCOMPARE(calls, QStringList());
        QCOMPARE(movements(*open), 1);
        QCOMPARE(QDir(area->folder()).entryList(QDir::Files), QStringList{kBase});
    }

    void declinedStateCopyChangesNothing() {
        const QString copy = backups::backupWorkArea(kBase);
        test::addMovement(*open, QDate(2026, 2, 1), QStringLiteral("Sueldo"), QString(),
                          test::money("5"), Money());
        backups::RestoreHooks h = hooks();
        h.copyCurrentState = [] { return std::optional<QString>(); };
        QVERIFY(!backups::restoreBackup(kBase, copy, h));
        QCOMPARE(calls, QStringList());
        QCOMPARE(movements(*open), 2);
        QCOMPARE(QDir(area->folder()).entryList(QDir::Files), QStringList{kBase});
    }
};

TESORIN_TEST_MAIN(tst_restore)
#include "tst_restore.moc"
