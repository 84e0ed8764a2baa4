// The work-area operations of the main window: both connections always on
// one file, the captions, grid, buttons and totals of each way of switching,
// and the program's end when a switch fails.
#include "app/MainWindowFixture.h"

#include "store/Schema.h"
#include "store/StoreError.h"
#include "store/WorkAreaFolder.h"
#include "ui/common/Panel3D.h"
#include "workareas/core/WorkAreaLock.h"
#include "workareas/ui/panAbreBase.h"
#include "workareas/ui/panNueCaja.h"
#include "workareas/ui/panselCuenta.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>

using namespace tesorin;
using app::principal;
using test::ModalDriver;

namespace {

const QString kFilter =
    QStringLiteral("select * from Movimientos where true and Cuenta = 'Sueldo' order by fecha");

long movementCount(const QString& name) {
    auto db = store::Database::OpenDatabase(name);
    store::Statement count = db->prepare(QStringLiteral("SELECT count(*) FROM Movimientos"));
    count.step();
    return long(count.int64(0));
}

// OTRA.MDB, stored in lower case, with an income of 100 and 50 on Sueldo and
// a payment of 30 on Alquiler.
void addOtherWorkArea(const test::TestWorkArea& area) {
    store::createWorkAreaFile(area.path(QStringLiteral("otra.mdb")));
    auto db = store::Database::OpenDatabase(QStringLiteral("otra.mdb"));
    test::addMovement(*db, QDate(2024, 5, 1), QStringLiteral("Sueldo"), QString(),
                      test::money("100"), Money());
    test::addMovement(*db, QDate(2024, 5, 2), QStringLiteral("Alquiler"), QString(), Money(),
                      test::money("30"));
    test::addMovement(*db, QDate(2024, 5, 3), QStringLiteral("Sueldo"), QString(),
                      test::money("50"), Money());
}

void selectRow(QListWidget* list, const QString& text) {
    for (QListWidgetItem* item : list->findItems(text, Qt::MatchExactly))
        item->setSelected(true);
}

} // namespace

class TstPrincipalCajas : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorkArea> area;
    std::unique_ptr<principal> window;
    int programEnds = 0;

    QStringList totals() const {
        QStringList texts;
        for (const char* name : {"labSaldo", "LabIng", "labEgr"})
            texts << window->findChild<QLabel*>(name)->text();
        return texts;
    }
    QList<bool> buttonsEnabled() const {
        QList<bool> states;
        for (int i = 0; i < principal::kButtons; ++i)
            states << window->findChild<QWidget*>(QStringLiteral("spboton_%1").arg(i))->isEnabled();
        return states;
    }
    QList<bool> picturesEnabled() const {
        QList<bool> states;
        for (int i = 0; i < principal::kButtons; ++i)
            states
                << window->findChild<QWidget*>(QStringLiteral("botImage_%1").arg(i))->isEnabled();
        return states;
    }
    bool menuEnabled(const char* name) const {
        return window->menuBar()->findChild<QMenu*>(name)->menuAction()->isEnabled();
    }
    bool workAreaMenusEnabled() const {
        return menuEnabled("menuEdicion") && menuEnabled("menuMovimientos") &&
               menuEnabled("menuInformes") && window->menuItem("menuArcCierra")->isEnabled();
    }
    bool workAreaMenusDisabled() const {
        return !menuEnabled("menuEdicion") && !menuEnabled("menuMovimientos") &&
               !menuEnabled("menuInformes") && !window->menuItem("menuArcCierra")->isEnabled();
    }
    // Both connections on the file of that bare name.
    bool bothOn(const QString& fileName) const {
        const QString path = area->path(fileName);
        return window->estado().baseAbierta && window->estado().baseAbierta->path() == path &&
               window->Data1().database() && window->Data1().database()->path() == path;
    }

    static void typeNewName(ModalDriver& driver, const QString& name) {
        driver.expect<workareas::panNueCaja>([name](workareas::panNueCaja& dialog) {
            ModalDriver::child<QLineEdit>(&dialog, "Text1")->setText(name);
            ModalDriver::clickLater(ModalDriver::child<QPushButton>(&dialog, "Command7"));
        });
    }
    // A row of the work-area chooser: panAbreBase from the menu, panselCuenta
    // from the work-area panel.
    template <class Chooser>
    static void pick(ModalDriver& driver, const QString& row, const char* button) {
        driver.expect<Chooser>([row, button](Chooser& dialog) {
            selectRow(ModalDriver::child<QListWidget>(&dialog, "List1"), row);
            ModalDriver::clickLater(ModalDriver::child<QPushButton>(&dialog, button));
        });
    }
    void clickWorkAreaPanel() { QTest::mouseClick(window->SSPanel3(), Qt::LeftButton); }

private slots:
    void init() {
        area = std::make_unique<test::TestWorkArea>();
        auto base = area->open();
        test::addMovement(*base, QDate(2024, 1, 5), QStringLiteral("Sueldo"), QString(),
                          test::money("1000"), Money());
        base.reset();
        window = test::openMainWindow();
        QVERIFY(window);
        programEnds = 0;
        window->setProgramEnd([this] { ++programEnds; });
        // Every button usable, whichever operations are built, so that what
        // the work-area operations do to them shows.
        for (int i = 0; i < principal::kButtons; ++i)
            window->setButtonAction(i, [] {});
    }

    void cleanup() {
        window.reset();
        area.reset();
        TESORIN_VERIFY_NO_WINDOW_LEFT();
    }

    // Made while BASE.MDB is current (both connections on it) or after a close.
    void aNewWorkAreaHasTheAccountsButNoMovements_data() {
        QTest::addColumn<bool>("closedFirst");
        QTest::newRow("while BASE.MDB is current") << false;
        QTest::newRow("after a close") << true;
    }
    void aNewWorkAreaHasTheAccountsButNoMovements() {
        QFETCH(bool, closedFirst);
        QVERIFY(bothOn(QStringLiteral("BASE.MDB")));
        QCOMPARE(window->Data1().rowCount(), 1L);
        if (closedFirst)
            window->menuItem("menuArcCierra")->trigger();
        const QString panelCaption = window->SSPanel3()->caption();

        ModalDriver driver;
        typeNewName(driver, QStringLiteral("Casa Ñandú"));
        window->menuItem("menuArcNueva")->trigger();

        QCOMPARE(window->estado().nombreBase, QStringLiteral("Casa Ñandú.MDB"));
        QVERIFY(bothOn(QStringLiteral("Casa Ñandú.MDB")));
        QCOMPARE(window->windowTitle(), QStringLiteral("Tesorin! - [Casa Ñandú.MDB]"));
        QCOMPARE(window->SSPanel3()->caption(), panelCaption);
        QVERIFY(window->MSFlexGrid1()->isVisible());
        QCOMPARE(window->MSFlexGrid1()->model()->rowCount(), 0);
        QCOMPARE(totals(), QStringList(3, test::blanks("$~0,00")));
        QCOMPARE(buttonsEnabled(), QList<bool>(principal::kButtons, true));
        QCOMPARE(picturesEnabled(), QList<bool>(principal::kButtons, true));
        QVERIFY(workAreaMenusEnabled());
        QCOMPARE(window->Label1()->caption(), QString());
        store::Statement accounts =
            window->estado().baseAbierta->prepare(QStringLiteral("SELECT count(*) FROM Cuentas"));
        accounts.step();
        QCOMPARE(accounts.int64(0), 7);
        QCOMPARE(movementCount(QStringLiteral("BASE.MDB")), 1L);
        // The two work areas and the lock of the one open.
        QCOMPARE(QDir(area->folder()).entryList(QDir::Files | QDir::Hidden).size(), 3);
        QVERIFY(QFile::exists(
            workareas::WorkAreaLock::lockPath(area->path(QStringLiteral("Casa Ñandú.MDB")))));
    }

    void anExistingNameLeavesEverythingAsItWas() {
        QFile::copy(area->path(QStringLiteral("BASE.MDB")), area->path(QStringLiteral("Casa.mdb")));
        ModalDriver driver;
        typeNewName(driver, QStringLiteral("CASA"));
        driver.answer(QMessageBox::Ok).then([](QWidget* dialog) {
            ModalDriver::clickLater(ModalDriver::child<QPushButton>(dialog, "Command1"));
        });
        window->menuItem("menuArcNueva")->trigger();

        QCOMPARE(driver.messages().size(), 1);
        QCOMPARE(driver.messages()[0].text,
                 QStringLiteral("Base de datos existente !!, intente con otro nombre."));
        QCOMPARE(window->estado().nombreBase, QStringLiteral("BASE.MDB"));
        QVERIFY(bothOn(QStringLiteral("BASE.MDB")));
        QCOMPARE(movementCount(QStringLiteral("Casa.mdb")), 1L);
    }

    // The view filter chosen before shows the opened file through it.
    void openKeepsTheViewFilter() {
        addOtherWorkArea(*area);
        window->DBGrid1()->setCaption(QStringLiteral("<Sueldo>"));
        window->Data1().setRecordSource(kFilter);
        window->refreshView();

        ModalDriver driver;
        pick<workareas::panAbreBase>(driver, QStringLiteral("OTRA.MDB"), "Command7");
        window->menuItem("menuArcAbrir")->trigger();

        QCOMPARE(window->estado().nombreBase, QStringLiteral("OTRA.MDB"));
        QVERIFY(bothOn(QStringLiteral("otra.mdb")));
        QCOMPARE(window->windowTitle(), QStringLiteral("Tesorin! - [OTRA.MDB]"));
        QCOMPARE(window->Data1().RecordSource(), kFilter);
        QCOMPARE(window->DBGrid1()->caption(), QStringLiteral("<Sueldo>"));
        QCOMPARE(window->MSFlexGrid1()->model()->rowCount(), 2);
        QCOMPARE(totals(), (QStringList{test::blanks("$~150,00"), test::blanks("$~150,00"),
                                        test::blanks("$~0,00")}));
    }

    // "Abrir !" and "&Aceptar" with no row selected, and the dialogs' own
    // ways out, leave the window as it was.
    void leavingADialogChangesNothing_data() {
        QTest::addColumn<QString>("menu"); // empty: the work-area panel
        QTest::addColumn<QString>("button");
        QTest::newRow("Abrir ! without a row, then Salir") << "menuArcAbrir"
                                                           << "Command7";
        QTest::newRow("Abrir, Salir") << "menuArcAbrir"
                                      << "Command1";
        QTest::newRow("Aceptar without a row") << ""
                                               << "Command1";
        QTest::newRow("Cancelar") << ""
                                  << "Command2";
        QTest::newRow("Nueva, Salir") << "menuArcNueva"
                                      << "Command1";
    }
    void leavingADialogChangesNothing() {
        QFETCH(QString, menu);
        QFETCH(QString, button);
        addOtherWorkArea(*area);
        const QString caption = window->windowTitle();
        const QString panelCaption = window->SSPanel3()->caption();
        ModalDriver driver;
        bool stillOpen = false;
        driver.then([&](QWidget* dialog) {
            ModalDriver::child<QPushButton>(dialog, button)->click();
            stillOpen = dialog->isVisible();
            if (stillOpen)
                ModalDriver::clickLater(ModalDriver::child<QPushButton>(dialog, "Command1"));
        });
        if (menu.isEmpty())
            clickWorkAreaPanel();
        else
            window->menuItem(menu)->trigger();

        QCOMPARE(stillOpen, button == QLatin1String("Command7"));
        QCOMPARE(window->estado().nombreBase, QStringLiteral("BASE.MDB"));
        QVERIFY(bothOn(QStringLiteral("BASE.MDB")));
        QCOMPARE(window->windowTitle(), caption);
        QCOMPARE(window->SSPanel3()->caption(), panelCaption);
        QCOMPARE(window->Data1().rowCount(), 1L);
    }

    void closeThenChooseLeavesTheButtonsDisabled() {
        addOtherWorkArea(*area);
        window->menuItem("menuArcCierra")->trigger();

        QVERIFY(!window->MSFlexGrid1()->isVisible());
        QCOMPARE(window->Data1().DatabaseName(), QString());
        QCOMPARE(window->Label1()->caption(), QStringLiteral("NO HAY BASE ACTIVA"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Tesorin! [S/BASE DE DATOS]"));
        QCOMPARE(buttonsEnabled(), QList<bool>(principal::kButtons, false));
        QCOMPARE(picturesEnabled(), QList<bool>(principal::kButtons, false));
        QCOMPARE(totals(), QStringList(3, QStringLiteral("$ 0.00")));
        QVERIFY(workAreaMenusDisabled());
        QVERIFY(!window->DBGrid1()->isEnabled());
        // The file is let go, so another copy of the program may open it; the
        // name stays.
        QVERIFY(!window->estado().baseAbierta);
        QVERIFY(!window->estado().bloqueo);
        QCOMPARE(window->estado().nombreBase, QStringLiteral("BASE.MDB"));

        ModalDriver driver;
        pick<workareas::panselCuenta>(driver, QStringLiteral("OTRA.MDB"), "Command1");
        clickWorkAreaPanel();

        QCOMPARE(window->estado().nombreBase, QStringLiteral("OTRA.MDB"));
        QVERIFY(bothOn(QStringLiteral("otra.mdb")));
        QCOMPARE(window->windowTitle(), QStringLiteral("Velmora! Tesorin - [OTRA.MDB]"));
        QCOMPARE(window->SSPanel3()->caption(), QStringLiteral("OTRA.MDB         "));
        QVERIFY(window->MSFlexGrid1()->isVisible());
        QCOMPARE(window->MSFlexGrid1()->model()->rowCount(), 3);
        QCOMPARE(totals(), (QStringList{test::blanks("$~120,00"), test::blanks("$~150,00"),
                                        test::blanks("$~30,00")}));
        QCOMPARE(window->Label1()->caption(), QString());
        QCOMPARE(buttonsEnabled(), QList<bool>(principal::kButtons, false));
        QCOMPARE(picturesEnabled(), QList<bool>(principal::kButtons, false));
        QVERIFY(workAreaMenusEnabled());
    }

    void chooseKeepsEnabledButtonsEnabled() {
        addOtherWorkArea(*area);
        ModalDriver driver;
        pick<workareas::panselCuenta>(driver, QStringLiteral("OTRA.MDB"), "Command1");
        QTest::mouseClick(window->SSPanel3()->findChild<QWidget*>("Image1"), Qt::LeftButton);
        QVERIFY(bothOn(QStringLiteral("otra.mdb")));
        QCOMPARE(buttonsEnabled(), QList<bool>(principal::kButtons, true));
    }

    // Each switch that fails shows its message and ends the program; the
    // window is left with no work area in the meantime, and no file half made.
    void aFailedSwitchEndsTheProgram_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("nombreBase");
        QTest::newRow("new") << "new"
                             << "E r r o r"
                             << "No se pudo crear la nueva base de datos.\nCierre el programa, "
                                "luego Windows e intente realizar la operación nuevamente"
                             << "Nueva.MDB";
        QTest::newRow("open") << "open"
                              << "E r r o r"
                              << "No se pudo abrir la base de datos ROTA.MDB."
                              << "ROTA.MDB";
        QTest::newRow("choose") << "choose"
                                << "Error"
                                << "Imposible abrir la base de datos"
                                << "ROTA.MDB";
    }
    void aFailedSwitchEndsTheProgram() {
        QFETCH(QString, how);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(QString, nombreBase);
        QFile rota(area->path(QStringLiteral("rota.mdb")));
        QVERIFY(rota.open(QIODevice::WriteOnly));
        rota.write(QByteArray("esto no es una caja\n").repeated(50));
        rota.close();
        // The copy's delete of the movements fails.
        area->open()->exec(QStringLiteral("CREATE TRIGGER keep BEFORE DELETE ON Movimientos "
                                          "BEGIN SELECT RAISE(ABORT, 'no'); END"));
        // No work area stays open, so the lock of BASE.MDB goes too.
        QStringList filesBefore = QDir(area->folder()).entryList(QDir::Files | QDir::Hidden);
        QVERIFY(filesBefore.removeOne(QStringLiteral("BASE.MDB.lock")));

        ModalDriver driver;
        if (how == QLatin1String("new")) {
            typeNewName(driver, QStringLiteral("Nueva"));
            driver.answer(QMessageBox::Ok);
            window->menuItem("menuArcNueva")->trigger();
        } else if (how == QLatin1String("open")) {
            pick<workareas::panAbreBase>(driver, QStringLiteral("ROTA.MDB"), "Command7");
            driver.answer(QMessageBox::Ok);
            window->menuItem("menuArcAbrir")->trigger();
        } else {
            pick<workareas::panselCuenta>(driver, QStringLiteral("ROTA.MDB"), "Command1");
            driver.answer(QMessageBox::Ok);
            clickWorkAreaPanel();
        }

        QCOMPARE(driver.messages().size(), 1);
        QCOMPARE(driver.messages()[0].title, title);
        QCOMPARE(driver.messages()[0].text, text);
        QCOMPARE(driver.messages()[0].icon, QMessageBox::Critical);
        QCOMPARE(programEnds, 1);
        QCOMPARE(window->estado().nombreBase, nombreBase);
        QVERIFY(!window->estado().baseAbierta);
        QVERIFY(!window->Data1().database());
        QVERIFY(!window->MSFlexGrid1()->isVisible());
        QCOMPARE(buttonsEnabled(), QList<bool>(principal::kButtons, false));
        QVERIFY(workAreaMenusDisabled());
        QCOMPARE(QDir(area->folder()).entryList(QDir::Files | QDir::Hidden), filesBefore);
    }
};

TESORIN_GUI_TEST_MAIN(TstPrincipalCajas)
#include "tst_principal_cajas.moc"
