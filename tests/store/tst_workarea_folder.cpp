// The work-area folder: the program's own folder serves only when the program
// is not installed and the folder takes files; otherwise the per-user data
// folder, whatever the prefix the program was installed under.
#include "base/ProgramInfo.h"
#include "store/WorkAreaFolder.h"
#include "support/PermissionBits.h"
#include "support/TestWorkArea.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tesorin;

class TstWorkAreaFolder : public QObject {
    Q_OBJECT

private slots:
    void chooses_data() {
        QTest::addColumn<QString>("programFolder");
        QTest::addColumn<QString>("desktopEntry");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<bool>("programFolderServes");

        const QString ourEntry = QString::fromUtf8(program::kDesktopEntryFromProgram);
        QString otherEntry = ourEntry;
        otherEntry.replace(QString::fromUtf8(program::kAppId), QStringLiteral("org.example.Other"));

        QTest::newRow("a build folder") << "build"
                                        << "" << false << true;
        QTest::newRow("installed under a prefix the user writes to")
            << "prefix/bin" << ourEntry << false << false;
        QTest::newRow("beside another program's installed entry")
            << "prefix/bin" << otherEntry << false << true;
        QTest::newRow("a folder that takes no files") << "locked"
                                                      << "" << true << false;
        QTest::newRow("a folder that is not there") << ""
                                                    << "" << false << false;
    }

    void chooses() {
        QFETCH(QString, programFolder);
        QFETCH(QString, desktopEntry);
        QFETCH(bool, readOnly);
        QFETCH(bool, programFolderServes);

        QTemporaryDir root;
        const QString data = root.filePath(QStringLiteral("data"));
        const QString program = programFolder.isEmpty() ? root.filePath(QStringLiteral("missing"))
                                                        : root.filePath(programFolder);
        if (!programFolder.isEmpty())
            QVERIFY(QDir().mkpath(program));
        if (!desktopEntry.isEmpty()) {
            const QString entry = QDir::cleanPath(QDir(program).filePath(desktopEntry));
            QVERIFY(QDir().mkpath(QFileInfo(entry).path()));
            QFile file(entry);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        test::ObeyPermissionBits permissionBits;
        QVERIFY(permissionBits.active());
        if (readOnly)
            QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner));

        QCOMPARE(store::chooseWorkAreaFolder(program, data), programFolderServes ? program : data);
        QCOMPARE(store::isInstalledProgramFolder(program),
                 desktopEntry == QString::fromUtf8(program::kDesktopEntryFromProgram));
        // Nothing is left in the program's folder, and the data folder is not made.
        if (!programFolder.isEmpty())
            QCOMPARE(
                QDir(program).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
                QStringList());
        QVERIFY(!QFileInfo::exists(data));
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

TESORIN_TEST_MAIN(TstWorkAreaFolder)
#include "tst_workarea_folder.moc"
