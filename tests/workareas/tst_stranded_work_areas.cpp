// Work areas in a program folder that cannot be written: which folder serves,
// the question at start-up, the copy it offers (nothing replaced) and the
// read-only work areas that refuse every write with the store's message.
#include "app/CommandLine.h"
#include "app/MainWindowFixture.h"

#include "store/Schema.h"
#include "store/WorkAreaFolder.h"
#include "workareas/core/StrandedWorkAreas.h"
#include "workareas/ui/StrandedWorkAreasQuestion.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTableView>

using namespace tesorin;
using test::ModalDriver;

namespace {

long movementCount(const QString& path) {
    auto db = store::Database::openFile(path, QFileInfo(path).fileName());
    store::Statement count = db->prepare(QStringLiteral("SELECT count(*) FROM Movimientos"));
    count.step();
    return long(count.int64(0));
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TstStrandedWorkAreas : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        store::setWorkAreasReadOnly(false);
        TESORIN_VERIFY_NO_WINDOW_LEFT();
    }

    void whichFolderServesWithoutAsking_data() {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("holdsWorkAreas");
        QTest::addColumn<bool>("programFolder");
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("writable, with work areas") << false << true << true << true << false;
        QTest::newRow("read-only, with work areas") << false << false << true << true << true;
        QTest::newRow("read-only, empty") << false << false << false << false << false;
        QTest::newRow("installed, with work areas") << true << false << true << false << false;
    }
    void whichFolderServesWithoutAsking() {
        QFETCH(bool, installed);
        QFETCH(bool, writable);
        QFETCH(bool, holdsWorkAreas);
        QFETCH(bool, programFolder);
        QFETCH(bool, readOnly);
        store::ProgramFolder program{QStringLiteral("/opt/tesorin"), installed, writable, {}};
        if (holdsWorkAreas)
            program.workAreas = QStringList{QStringLiteral("BASE.MDB")};
        const store::FolderChoice choice =
            store::folderWithoutAsking(program, QStringLiteral("/home/ana/.local/share/Tesorin"));
        QCOMPARE(choice.folder,
                 programFolder ? program.path : QStringLiteral("/home/ana/.local/share/Tesorin"));
        QCOMPARE(choice.readOnly, readOnly);
        QCOMPARE(store::strandedWorkAreas(program).isEmpty(), !readOnly);
    }

    // The program folder holds BASE.MDB with a movement and otra.mdb; the
    // data folder already holds an empty BASE.MDB of an earlier start.
    void theQuestionCopiesOrOpensReadOnly_data() {
        QTest::addColumn<bool>("copy");
        QTest::newRow("Sí: copied") << true;
        QTest::newRow("No: read-only") << false;
    }
    void theQuestionCopiesOrOpensReadOnly() {
        QFETCH(bool, copy);
        QTemporaryDir root;
        const QDir program(root.filePath(QStringLiteral("programa")));
        const QDir data(root.filePath(QStringLiteral("datos")));
        QVERIFY(QDir().mkpath(program.path()) && QDir().mkpath(data.path()));
        store::createWorkAreaFile(program.filePath(QStringLiteral("BASE.MDB")));
        store::createWorkAreaFile(program.filePath(QStringLiteral("otra.mdb")));
        store::createWorkAreaFile(data.filePath(QStringLiteral("base.mdb")));
        {
            auto base = store::Database::openFile(program.filePath(QStringLiteral("BASE.MDB")),
                                                  QStringLiteral("BASE.MDB"));
            test::addMovement(*base, QDate(2024, 1, 5), QStringLiteral("Sueldo"), QString(),
                              test::money("1000"), Money());
        }
        const QByteArray baseBytes = contents(program.filePath(QStringLiteral("BASE.MDB")));
        const QByteArray dataBaseBytes = contents(data.filePath(QStringLiteral("base.mdb")));
        // Root writes into any folder, so the folder says it cannot be
        // written instead.
        store::ProgramFolder folder = store::inspectProgramFolder(program.path());
        folder.writable = false;

        ModalDriver driver;
        driver.nextAnswer(copy ? QMessageBox::Yes : QMessageBox::No);
        if (copy)
            driver.nextAnswer();
        const store::FolderChoice choice =
            workareas::chooseStartUpFolder(nullptr, folder, data.path());

        QCOMPARE(driver.messages().size(), copy ? 2 : 1);
        QCOMPARE(driver.messages()[0].title, workareas::strandedQuestionTitle());
        QCOMPARE(
            driver.messages()[0].text,
            workareas::strandedQuestion(program.path(), data.path(),
                                        {QStringLiteral("BASE.MDB"), QStringLiteral("OTRA.MDB")}));
        QCOMPARE(choice.folder, copy ? data.path() : program.path());
        QCOMPARE(choice.readOnly, !copy);
        // The originals are untouched, and what the data folder held stays.
        QCOMPARE(contents(program.filePath(QStringLiteral("BASE.MDB"))), baseBytes);
        QCOMPARE(contents(data.filePath(QStringLiteral("base.mdb"))), dataBaseBytes);
        QCOMPARE(movementCount(data.filePath(QStringLiteral("base.mdb"))), 0L);
        QCOMPARE(data.entryList(QDir::Files).size(), copy ? 2 : 1);
        if (copy) {
            QCOMPARE(contents(data.filePath(QStringLiteral("otra.mdb"))),
                     contents(program.filePath(QStringLiteral("otra.mdb"))));
            QVERIFY(
                driver.messages()[1].text.contains(QStringLiteral("no se reemplazaron: BASE.MDB")));
        }
    }

    // Declined, the work areas open read-only: a write is refused with the
    // store's message and changes nothing, no new work area is made, and the
    // folder is described as read-only.
    void readOnlyWorkAreasRefuseEveryWrite() {
        test::TestWorkArea area;
        {
            auto base = area.open();
            test::addMovement(*base, QDate(2024, 1, 5), QStringLiteral("Sueldo"), QString(),
                              test::money("1000"), Money());
        }
        store::setWorkAreasReadOnly(true);
        auto window = test::openMainWindow();
        QVERIFY(window);
        {
            ModalDriver driver;
            driver.nextAnswer(QMessageBox::Yes).nextAnswer();
            window->menuItem(QStringLiteral("menuMovBorrar"))->trigger();
            QCOMPARE(driver.messages().size(), 2);
            QCOMPARE(
                driver.messages()[1].text,
                QStringLiteral("La caja «BASE.MDB» es de solo lectura: el cambio no se guardó."));
        }
        QCOMPARE(window->MSFlexGrid1()->model()->rowCount(), 1);
        {
            ModalDriver driver;
            driver.nextAnswer();
            window->menuItem(QStringLiteral("menuArcNueva"))->trigger();
            QCOMPARE(driver.messages().size(), 1);
            QCOMPARE(driver.messages()[0].text, workareas::readOnlyFolderRefusal());
        }
        window.reset();
        store::setWorkAreasReadOnly(false);
        QCOMPARE(movementCount(area.path(QStringLiteral("BASE.MDB"))), 1L);
        QCOMPARE(QDir(area.folder()).entryList({QStringLiteral("*.MDB")}, QDir::Files).size(), 1);
        QVERIFY(app::helpText(area.folder(), true)
                    .contains(store::workAreaFolderDescription(area.folder(), true)));
        QVERIFY(store::workAreaFolderDescription(area.folder(), true)
                    .contains(QStringLiteral("solo lectura")));
    }

    // A folder opened read-only without BASE.MDB cannot have one made: the
    // program says so and carries on with no work area open.
    void aReadOnlyFolderWithoutBaseOpensNone() {
        test::TestWorkArea area;
        store::createWorkAreaFile(area.path(QStringLiteral("CASA.MDB")));
        QVERIFY(QFile::remove(area.path(QStringLiteral("BASE.MDB"))));
        store::setWorkAreasReadOnly(true);
        ModalDriver driver;
        driver.nextAnswer();
        auto window = test::openMainWindow();
        QVERIFY(window);
        QCOMPARE(driver.messages().size(), 1);
        QVERIFY(driver.messages()[0].text.startsWith(QStringLiteral(
            "La carpeta de las cajas es de solo lectura y no tiene la caja BASE.MDB")));
        QVERIFY(!window->estado().baseAbierta);
        QVERIFY(window->menuItem(QStringLiteral("menuArcAbrir"))->isEnabled());
        window.reset();
        store::setWorkAreasReadOnly(false);
        QVERIFY(!QFile::exists(area.path(QStringLiteral("BASE.MDB"))));
    }
};

TESORIN_GUI_TEST_MAIN(TstStrandedWorkAreas)
#include "tst_stranded_work_areas.moc"
