// The backup copies: where and under which name they go, the check after
// writing (a damaged copy is removed, never kept), the failures that stop
// them, the copy at opening once a day, the rotation on disk and the figures
// the restore dialog lists.
#include "backups/core/BackupFiles.h"
#include "backups/core/BackupSummary.h"
#include "backups/core/WorkAreaBackup.h"
#include "base/Clock.h"
#include "store/StoreError.h"
#include "store/WorkAreaFolder.h"
#include "support/PermissionBits.h"
#include "support/TestWorkArea.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <sqlite3.h>

#include <functional>

using namespace tesorin;

namespace {

const QString kBase = QStringLiteral("BASE.MDB");

QDateTime at(int day, int hour, int minute, int second = 0) {
    return QDateTime(QDate(2026, 12, day), QTime(hour, minute, second));
}

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

qint64 movements(const QString& path) {
    auto db = store::Database::openFile(path, QStringLiteral("copia"));
    store::Statement count = db->prepare(QStringLiteral("SELECT count(*) FROM Movimientos"));
    count.step();
    return count.int64(0);
}

void runOn(const QString& path, const char* sql) {
    sqlite3* db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

qint64 pragmaValue(const QString& path, const char* sql) {
    sqlite3* db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
    const qint64 value =
        sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int64(statement, 0) : -1;
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return value;
}

qint64 pageSize(const QString& path) {
    return pragmaValue(path, "PRAGMA page_size");
}

qint64 rootPage(const QString& path, const char* table) {
    const QByteArray sql =
        QByteArray("SELECT rootpage FROM sqlite_master WHERE name = '") + table + "'";
    return pragmaValue(path, sql.constData());
}

void overwrite(const QString& path, qint64 offset, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    file.seek(offset);
    file.write(bytes);
}

using Damage = std::function<void(const QString&)>;

} // namespace

Q_DECLARE_METATYPE(Damage)

class tst_backups : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorkArea> area;
    QString copias() const { return QDir(area->folder()).filePath(QStringLiteral("copias")); }

private slots:
    void init() {
        area = std::make_unique<test::TestWorkArea>();
        auto base = area->open();
        test::addMovement(*base, QDate(2026, 1, 5), QStringLiteral("Sueldo"), QString(),
                          test::money("1000"), Money());
        test::addMovement(*base, QDate(2026, 1, 6), QStringLiteral("Alquiler"), QString(), Money(),
                          test::money("300.25"));
        clock::setNowForTests(at(10, 21, 45));
    }
    void cleanup() {
        backups::setCopyWrittenHookForTests({});
        clock::setNowForTests(QDateTime());
        if (QFileInfo::exists(copias()))
            QFile::setPermissions(copias(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        area.reset();
    }

    void aCopyHoldsTheWorkAreaUnderItsMoment() {
        const QString first = backups::backupWorkArea(kBase);
        QCOMPARE(first, QDir(copias()).filePath(QStringLiteral("BASE-2026-12-10-214500.MDB")));
        QCOMPARE(movements(first), 2);
        // A second copy in the same second keeps the first.
        const QString second = backups::backupWorkArea(QStringLiteral("base.mdb"));
        QCOMPARE(QFileInfo(second).fileName(), QStringLiteral("BASE-2026-12-10-214500-2.MDB"));
        // Each copy has its checksum beside it.
        QCOMPARE(filesIn(copias()),
                 QStringList({"BASE-2026-12-10-214500-2.MDB", "BASE-2026-12-10-214500-2.MDB.sha256",
                              "BASE-2026-12-10-214500.MDB", "BASE-2026-12-10-214500.MDB.sha256"}));
        // Copies are no work areas.
        QCOMPARE(store::listWorkAreas(), QStringList{kBase});
    }

    // Left by a program ended while it wrote a copy.
    void aHalfWrittenCopyIsRemovedByTheNextOne() {
        QVERIFY(QDir().mkpath(copias()));
        for (const char* name :
             {"BASE-2026-12-01-100000.MDB.parcial", "BASE-2026-12-01-100000.MDB.parcial-journal",
              "CASA-2026-12-01-100000.MDB.parcial"}) {
            QFile file(QDir(copias()).filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        backups::backupWorkArea(kBase);
        QCOMPARE(filesIn(copias()),
                 QStringList({"BASE-2026-12-10-214500.MDB", "BASE-2026-12-10-214500.MDB.sha256",
                              "CASA-2026-12-01-100000.MDB.parcial"}));
    }

    void aCopyFailingTheCheckIsRemoved_data() {
        QTest::addColumn<Damage>("damage");
        QTest::newRow("cut short") << Damage([](const QString& path) {
            QFile file(path);
            file.open(QIODevice::ReadWrite);
            file.resize(file.size() / 2);
        });
        QTest::newRow("the movements' first page overwritten") << Damage([](const QString& path) {
            overwrite(path, (rootPage(path, "Movimientos") - 1) * pageSize(path),
                      QByteArray(64, '\x5a'));
        });
        QTest::newRow("not a database") << Damage([](const QString& path) {
            overwrite(path, 0, QByteArrayLiteral("esto no es una caja"));
        });
        QTest::newRow("a movement missing") << Damage([](const QString& path) {
            runOn(path, "DELETE FROM Movimientos WHERE Cuenta = 'Sueldo'");
        });
    }
    void aCopyFailingTheCheckIsRemoved() {
        QFETCH(Damage, damage);
        backups::setCopyWrittenHookForTests(damage);
        try {
            backups::backupWorkArea(kBase);
            QFAIL("a damaged copy was kept");
        } catch (const store::StoreError& failure) {
            QVERIFY2(failure.message().startsWith(QStringLiteral(
                         "No se pudo hacer la copia de seguridad de la caja «BASE.MDB»: la copia "
                         "escrita no pasó la comprobación")),
                     qPrintable(failure.message()));
        }
        QCOMPARE(filesIn(copias()), QStringList());
        QCOMPARE(backups::listBackups(kBase).size(), 0);
    }

    // A read-only folder (obeyed even by root) and a file where the folder
    // should be both stop the copy.
    void aFolderThatCannotBeWrittenStopsTheCopy_data() {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("copias read-only") << true;
        QTest::newRow("copias is a file") << false;
    }
    void aFolderThatCannotBeWrittenStopsTheCopy() {
        QFETCH(bool, readOnly);
        test::ObeyPermissionBits permissionBits;
        QVERIFY(permissionBits.active());
        if (readOnly) {
            QVERIFY(QDir().mkpath(copias()));
            QFile::setPermissions(copias(), QFile::ReadOwner | QFile::ExeOwner);
        } else {
            QFile blocker(copias());
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        }
        try {
            backups::backupWorkArea(kBase);
            QFAIL("no failure");
        } catch (const store::StoreError& failure) {
            QCOMPARE(failure.message(),
                     QStringLiteral("No se pudo hacer la copia de seguridad de la caja "
                                    "«BASE.MDB»: no se puede escribir en la carpeta «%1».")
                         .arg(QDir::toNativeSeparators(copias())));
        }
        QCOMPARE(filesIn(area->folder()),
                 readOnly ? QStringList{kBase} : QStringList({kBase, "copias"}));
    }

    void theCopyAtOpeningIsTakenOnceADay() {
        QVERIFY(backups::dailyBackup(kBase));
        clock::setNowForTests(at(10, 23, 59, 59));
        QVERIFY(!backups::dailyBackup(kBase));
        // Another work area has its own day.
        QFile::copy(area->path(kBase), area->path(QStringLiteral("CASA.MDB")));
        QVERIFY(backups::dailyBackup(QStringLiteral("CASA.MDB")));
        clock::setNowForTests(at(11, 0, 0, 1));
        QVERIFY(backups::dailyBackup(kBase));
        QCOMPARE(backups::listBackups(kBase).size(), 2);
    }

    void eachNewCopyRotatesTheOldOnesAway() {
        for (int day = 1; day <= 12; ++day) {
            clock::setNowForTests(at(day, 12, 0));
            backups::backupWorkArea(kBase);
        }
        const QList<backups::BackupFile> kept = backups::listBackups(kBase);
        QCOMPARE(kept.size(), 10);
        QCOMPARE(kept.front().taken, at(12, 12, 0));
        QCOMPARE(kept.back().taken, at(3, 12, 0));
        // A copy rotated away takes its checksum with it.
        QCOMPARE(QDir(copias()).entryList({QStringLiteral("*.sha256")}, QDir::Files).size(),
                 kept.size());
    }

    void theListShowsNewestFirstWithTheirFigures() {
        backups::backupWorkArea(kBase);
        clock::setNowForTests(at(10, 22, 0));
        {
            auto base = area->open();
            test::addMovement(*base, QDate(2026, 2, 1), QStringLiteral("Sueldo"), QString(),
                              test::money("0.75"), Money());
        }
        backups::backupWorkArea(kBase);
        // Another work area's copy and a file of another name are not listed.
        QFile::copy(area->path(kBase), QDir(copias()).filePath("CASA-2026-12-10-230000.MDB"));
        QFile::copy(area->path(kBase), QDir(copias()).filePath("BASE-copia.MDB"));
        // A copy that does not open is listed as such.
        QFile damaged(QDir(copias()).filePath(QStringLiteral("BASE-2026-12-09-100000.MDB")));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(QByteArray(4096, 'x'));
        damaged.close();

        const QList<backups::BackupSummary> list = backups::summarizeBackups(kBase);
        QCOMPARE(list.size(), 3);
        QCOMPARE(list[0].file.taken, at(10, 22, 0));
        QVERIFY(list[0].readable);
        QCOMPARE(list[0].movements, 3);
        QCOMPARE(list[0].ingresos, test::money("1000.75"));
        QCOMPARE(list[0].egresos, test::money("300.25"));
        QCOMPARE(list[0].saldo, test::money("700.5"));
        QCOMPARE(list[1].file.taken, at(10, 21, 45));
        QCOMPARE(list[1].movements, 2);
        QCOMPARE(list[1].saldo, test::money("699.75"));
        QCOMPARE(list[2].file.taken, at(9, 10, 0));
        QVERIFY(!list[2].readable);
        QVERIFY(!list[2].problem.isEmpty());
    }

    void namesReadBack_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("workArea");
        QTest::addColumn<QDateTime>("taken");
        QTest::addColumn<int>("sequence");
        QTest::newRow("plain") << "BASE-2026-12-10-214500.MDB"
                               << "BASE.MDB" << at(10, 21, 45) << 1;
        QTest::newRow("second in the same second") << "BASE-2026-12-10-214500-2.MDB"
                                                   << "BASE.MDB" << at(10, 21, 45) << 2;
        QTest::newRow("a name with dashes and blanks") << "MI CAJA-2025-2026-12-10-214500.mdb"
                                                       << "MI CAJA-2025.MDB" << at(10, 21, 45) << 1;
        QTest::newRow("no moment") << "BASE.MDB" << QString() << QDateTime() << 0;
        QTest::newRow("no such day")
            << "BASE-2026-02-30-100000.MDB" << QString() << QDateTime() << 0;
    }
    void namesReadBack() {
        QFETCH(QString, fileName);
        QFETCH(QString, workArea);
        QFETCH(QDateTime, taken);
        QFETCH(int, sequence);
        const auto file = backups::parseBackupFileName(fileName);
        QCOMPARE(file.has_value(), !workArea.isEmpty());
        if (!file)
            return;
        QCOMPARE(file->workArea, workArea);
        QCOMPARE(file->taken, taken);
        QCOMPARE(file->sequence, sequence);
        QCOMPARE(backups::backupFileName(workArea, taken, sequence), fileName.toUpper());
    }
};

TESORIN_TEST_MAIN(tst_backups)
#include "tst_backups.moc"
