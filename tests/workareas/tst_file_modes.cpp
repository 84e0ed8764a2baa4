// Every file that holds a person's finances is readable by its owner only,
// and so are the folders that hold them, whatever the process's umask lets
// through.
#include "backups/core/BackupFiles.h"
#include "backups/core/WorkAreaBackup.h"
#include "backups/core/WorkAreaRestore.h"
#include "oldworkareas/core/OldWorkAreaConversion.h"
#include "store/Database.h"
#include "support/TestWorkArea.h"
#include "workareas/core/StrandedWorkAreas.h"
#include "workareas/core/WorkAreaCopy.h"
#include "workareas/core/WorkAreaLock.h"

#include <QDir>
#include <QTest>

#include <sys/stat.h>

using namespace tesorin;

namespace {

int modeOf(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 0777) : -1;
}

} // namespace

class FileModesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorkArea> area;
    const QString kBase = QStringLiteral("BASE.MDB");

private Q_SLOTS:
    void initTestCase() { ::umask(022); }
    void init() { area = std::make_unique<test::TestWorkArea>(); }
    void cleanup() { area.reset(); }

    void workAreasCopiesAndLocksAreTheOwners() {
        QCOMPARE(modeOf(area->path(kBase)), 0600);
        workareas::createWorkAreaCopy(kBase, QStringLiteral("CASA.MDB"));
        QCOMPARE(modeOf(area->path(QStringLiteral("CASA.MDB"))), 0600);
        const auto lock = workareas::lockWorkArea(kBase);
        QVERIFY(lock);
        QCOMPARE(modeOf(area->path(QStringLiteral("BASE.MDB.lock"))), 0600);
        const QString copy = backups::backupWorkArea(kBase);
        QCOMPARE(modeOf(copy), 0600);
        QCOMPARE(modeOf(backups::backupFolder()), 0700);
    }

    void aRestoreKeepsTheModeOfTheFileItReplaces() {
        const QString copy = backups::backupWorkArea(kBase);
        QVERIFY(QFile::setPermissions(area->path(kBase),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        backups::RestoreHooks hooks;
        hooks.copyCurrentState = [this]() -> std::optional<QString> {
            return backups::backupWorkArea(kBase);
        };
        hooks.closeConnections = [] {};
        hooks.openConnections = [] {};
        QVERIFY(backups::restoreBackup(kBase, copy, hooks));
        QCOMPARE(modeOf(area->path(kBase)), 0640);
    }

    void aConvertedWorkAreaAndItsKeptOriginalAreTheOwners() {
        const QString old = area->path(QStringLiteral("VIEJA.MDB"));
        QVERIFY(QFile::copy(QStringLiteral(TESORIN_OLD_FIXTURES "/VIEJA.MDB"), old));
        QVERIFY(QFile::setPermissions(old, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                               QFile::ReadOther));
        oldworkareas::convertOldWorkArea(old);
        QCOMPARE(modeOf(old), 0600);
        QCOMPARE(modeOf(area->path(QStringLiteral("anteriores"))), 0700);
        QCOMPARE(modeOf(area->path(QStringLiteral("anteriores/VIEJA.MDB"))), 0600);
    }

    void workAreasCopiedIntoTheDataFolderAreTheOwners() {
        QTemporaryDir program;
        const QString original = QDir(program.path()).filePath(kBase);
        QVERIFY(QFile::copy(area->path(kBase), original));
        QVERIFY(QFile::setPermissions(original, QFile::ReadOwner | QFile::WriteOwner |
                                                    QFile::ReadGroup | QFile::ReadOther));
        const QString data = QDir(program.path()).filePath(QStringLiteral("datos"));
        workareas::copyStrandedWorkAreas(program.path(), {kBase}, data);
        QCOMPARE(modeOf(data), 0700);
        QCOMPARE(modeOf(QDir(data).filePath(kBase)), 0600);
    }
};

TESORIN_TEST_MAIN(FileModesTest)
#include "tst_file_modes.moc"
