// Restoring a copy: the current state copied first, the work area replaced
// whole, the connections closed around the swap; a copy that does not open
// refused before anything changes.
#include "backups/core/BackupFiles.h"
#include "backups/core/BackupSummary.h"
#include "backups/core/CopyChecksum.h"
#include "backups/core/WorkAreaBackup.h"
#include "backups/core/WorkAreaRestore.h"
#include "base/Clock.h"
#include "store/StoreError.h"
#include "support/TestWorkArea.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTest>

#include <functional>

using namespace tesorin;

namespace {

const QString kBase = QStringLiteral("BASE.MDB");

qint64 movements(store::Database& db) {
    store::Statement count = db.prepare(QStringLiteral("SELECT count(*) FROM Movimientos"));
    count.step();
    return count.int64(0);
}

// Changes a copy on the disk after it was made.
using Change = std::function<void(const QString& copy)>;

// Flips one bit of the first place where text is stored in the file.
void flipBitIn(const QString& path, const QByteArray& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    const qsizetype at = bytes.indexOf(text);
    QVERIFY(at >= 0);
    bytes[at] = char(bytes[at] ^ 0x01);
    QVERIFY(file.seek(0));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

Q_DECLARE_METATYPE(Change)

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

    // The copy's checksum, recorded when it was made, tells a copy changed
    // on the disk since; one made before checksums is vouched for by its
    // structure only.
    void aCopyIsRestoredOnlyAsItWasMade_data() {
        QTest::addColumn<Change>("change");
        QTest::addColumn<bool>("damaged");
        QTest::addColumn<bool>("withoutChecksum");
        QTest::newRow("as made") << Change([](const QString&) {}) << false << false;
        QTest::newRow("made before checksums") << Change([](const QString& copy) {
            QVERIFY(QFile::remove(backups::checksumPath(copy)));
        }) << false << true;
        QTest::newRow("one bit of a stored value flipped")
            << Change([](const QString& copy) { flipBitIn(copy, "Aguinaldo de diciembre"); })
            << true << false;
        QTest::newRow("its checksum changed") << Change([](const QString& copy) {
            QFile recorded(backups::checksumPath(copy));
            QVERIFY(recorded.open(QIODevice::ReadWrite));
            const QByteArray digest = recorded.read(64);
            QVERIFY(recorded.seek(0));
            recorded.write(digest.right(1) + digest.left(63));
        }) << true << false;
    }
    void aCopyIsRestoredOnlyAsItWasMade() {
        QFETCH(Change, change);
        QFETCH(bool, damaged);
        QFETCH(bool, withoutChecksum);
        test::addMovement(*open, QDate(2026, 12, 1), QStringLiteral("Sueldo"),
                          QStringLiteral("Aguinaldo de diciembre"), test::money("500"), Money());
        const QString copy = backups::backupWorkArea(kBase);
        // The checksum reads as sha256sum writes it.
        QFile recorded(backups::checksumPath(copy));
        QVERIFY(recorded.open(QIODevice::ReadOnly));
        QFile copied(copy);
        QVERIFY(copied.open(QIODevice::ReadOnly));
        QCOMPARE(recorded.readAll(),
                 QCryptographicHash::hash(copied.readAll(), QCryptographicHash::Sha256).toHex() +
                     "  " + QFileInfo(copy).fileName().toUtf8() + '\n');
        recorded.close();
        copied.close();
        change(copy);
        QVERIFY(!QTest::currentTestFailed());
        test::addMovement(*open, QDate(2026, 12, 2), QStringLiteral("Sueldo"), QString(),
                          test::money("7"), Money());

        const QList<backups::BackupSummary> list = backups::summarizeBackups(kBase);
        QCOMPARE(list.size(), 1);
        const backups::BackupSummary& listed = list.front();
        QCOMPARE(listed.damaged, damaged);
        QCOMPARE(listed.readable, !damaged);
        QCOMPARE(listed.withoutChecksum, withoutChecksum);
        const QString name = QFileInfo(copy).fileName();
        if (!damaged) {
            QVERIFY(backups::restoreBackup(kBase, copy, hooks()));
            QCOMPARE(movements(*open), 2);
            return;
        }
        QCOMPARE(listed.problem,
                 QStringLiteral("La copia «%1» está dañada: su contenido no coincide con la suma "
                                "de verificación registrada al hacerla.")
                     .arg(name));
        try {
            backups::restoreBackup(kBase, copy, hooks());
            QFAIL("restored");
        } catch (const store::StoreError& failure) {
            QCOMPARE(failure.message(),
                     QStringLiteral("No se puede restaurar la copia «%1»: el archivo está dañado "
                                    "(su contenido no coincide con la suma de verificación "
                                    "registrada al hacerla).")
                         .arg(name));
        }
        QCOMPARE(calls, QStringList());
        QCOMPARE(movements(*open), 3);
    }

    // A copy made before checksums opens as a work area, but the movements'
    // pages are damaged: its structure's check refuses it.
    void aDamagedCopyIsRefused() {
        const QString copy = backups::backupWorkArea(kBase);
        QVERIFY(QFile::remove(backups::checksumPath(copy)));
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
