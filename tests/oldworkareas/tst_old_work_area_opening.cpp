// An old work area met where the main window opens one: at start-up as
// BASE.MDB, from "Abrir cuenta de caja" and from the work-area panel.
#include "app/MainWindowFixture.h"
#include "base/Clock.h"
#include "oldworkareas/core/JetFile.h"
#include "store/Schema.h"
#include "store/WorkAreaFolder.h"
#include "ui/common/Panel3D.h"
#include "workareas/ui/panNueCaja.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>

using namespace tesorin;
using app::principal;
using test::ModalDriver;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::function<void(QWidget*)> press(const char* button) {
    return [button](QWidget* dialog) {
        ModalDriver::clickLater(
            ModalDriver::child<QPushButton>(dialog, QString::fromLatin1(button)));
    };
}

std::function<void(QWidget*)> pick(const QString& row, const QString& button) {
    return [row, button](QWidget* dialog) {
        auto* list = ModalDriver::child<QListWidget>(dialog, QStringLiteral("List1"));
        for (QListWidgetItem* item : list->findItems(row, Qt::MatchExactly))
            item->setSelected(true);
        ModalDriver::clickLater(ModalDriver::child<QPushButton>(dialog, button));
    };
}

} // namespace

class OldWorkAreaOpeningTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorkArea> area;
    std::unique_ptr<principal> window;
    const QByteArray vieja = fileBytes(QStringLiteral(TESORIN_OLD_FIXTURES "/VIEJA.MDB"));

    // The old household's year (or another old file) under name in the
    // work-area folder.
    void placeOld(const QString& name, const QByteArray& bytes) {
        QFile file(area->path(name));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    void placeOld(const QString& name) { placeOld(name, vieja); }
    QStringList totals() const {
        QStringList texts;
        for (const char* name : {"labSaldo", "LabIng", "labEgr"})
            texts << window->findChild<QLabel*>(name)->text();
        return texts;
    }

private slots:
    void init() {
        area = std::make_unique<test::TestWorkArea>();
        // No schedule of the file falls due: nothing else asks.
        clock::setTodayForTests(QDate(2005, 1, 20));
    }
    void cleanup() {
        window.reset();
        area.reset();
        clock::setTodayForTests(QDate());
        TESORIN_VERIFY_NO_WINDOW_LEFT();
    }

    void startUpOnAnOldBaseConvertsItAndOpensIt() {
        placeOld(QStringLiteral("BASE.MDB"));
        ModalDriver driver;
        driver.then(press("si")).then(press("aceptar"));
        window = test::openMainWindow();
        QVERIFY(window);
        QVERIFY2(driver.unexpected().isEmpty(), qPrintable(driver.unexpected().join("; ")));
        QCOMPARE(driver.pendingSteps(), 0);
        QCOMPARE(window->windowTitle(), QStringLiteral("Tesorin! - [BASE.MDB]"));
        QVERIFY(window->MSFlexGrid1()->isVisible());
        QCOMPARE(window->Data1().rowCount(), 7L);
        QCOMPARE(totals(), (QStringList{test::blanks("$~237.574,07"), test::blanks("$~300.120,25"),
                                        test::blanks("$~62.546,18")}));
        QCOMPARE(fileBytes(area->path(QStringLiteral("anteriores/BASE.MDB"))), vieja);
    }

    // Each amount of RAROS.MDB fits, the total of its payments does not: the
    // totals show the sums the file's amounts make, at every opening, and
    // nothing errs.
    void totalsBeyondOneAmountShowAtEveryOpening() {
        clock::setTodayForTests(QDate(2005, 1, 9));
        placeOld(QStringLiteral("BASE.MDB"),
                 fileBytes(QStringLiteral(TESORIN_OLD_FIXTURES "/RAROS.MDB")));
        for (int opening = 1; opening <= 2; ++opening) {
            ModalDriver driver;
            if (opening == 1)
                driver.then(press("si")).then(press("aceptar"));
            window = test::openMainWindow();
            QVERIFY(window);
            QTRY_COMPARE(driver.pendingSteps(), 0);
            QTest::qWait(100);
            QVERIFY2(driver.unexpected().isEmpty(), qPrintable(driver.unexpected().join("; ")));
            QVERIFY2(driver.messages().isEmpty(), qPrintable(driver.messages().value(0).text));
            QCOMPARE(totals(),
                     (QStringList{test::blanks("($~900.000.000.089,00)"), test::blanks("$~11,00"),
                                  test::blanks("$~900.000.000.100,00")}));
            window.reset();
        }
    }

    void startUpNoCarriesOnWithNoWorkArea() {
        placeOld(QStringLiteral("BASE.MDB"));
        ModalDriver driver;
        driver.then(press("no"));
        window = test::openMainWindow();
        QVERIFY(window);
        QVERIFY2(driver.unexpected().isEmpty(), qPrintable(driver.unexpected().join("; ")));
        QCOMPARE(window->windowTitle(), QStringLiteral("Tesorin! [S/BASE DE DATOS]"));
        QVERIFY(!window->MSFlexGrid1()->isVisible());
        QVERIFY(!window->menuItem("menuArcCierra")->isEnabled());
        QVERIFY(window->menuItem("menuArcAbrir")->isEnabled());
        QCOMPARE(fileBytes(area->path(QStringLiteral("BASE.MDB"))), vieja);
        QVERIFY(!QFile::exists(area->path(QStringLiteral("anteriores"))));
    }

    // After "No" at start-up every way of opening a work area works as it
    // does with one open, and ends on that work area.
    void startUpNoThenOpening_data() {
        QTest::addColumn<QString>("how"); // "old", "sqlite" or "new"
        QTest::addColumn<QString>("name");
        QTest::addColumn<long>("rows");
        QTest::newRow("Abrir an old file") << "old"
                                           << "VIEJA.MDB" << 7L;
        QTest::newRow("Abrir a SQLite one") << "sqlite"
                                            << "OTRA.MDB" << 1L;
        QTest::newRow("Nueva") << "new"
                               << "NUEVA.MDB" << 0L;
    }
    void startUpNoThenOpening() {
        QFETCH(QString, how);
        QFETCH(QString, name);
        QFETCH(long, rows);
        placeOld(QStringLiteral("BASE.MDB"));
        {
            ModalDriver driver;
            driver.then(press("no"));
            window = test::openMainWindow();
            QVERIFY(window);
        }
        int programEnds = 0;
        window->setProgramEnd([&programEnds] { ++programEnds; });
        if (how == QLatin1String("old")) {
            placeOld(name);
        } else if (how == QLatin1String("sqlite")) {
            store::createWorkAreaFile(area->path(name));
            test::addMovement(*area->open(name), QDate(2005, 1, 3), QStringLiteral("Sueldo"),
                              QString(), test::money("100"), Money());
        }

        ModalDriver driver;
        if (how == QLatin1String("new")) {
            driver.expect<workareas::panNueCaja>([](workareas::panNueCaja& dialog) {
                ModalDriver::child<QLineEdit>(&dialog, "Text1")->setText(QStringLiteral("NUEVA"));
                ModalDriver::clickLater(ModalDriver::child<QPushButton>(&dialog, "Command7"));
            });
            window->menuItem("menuArcNueva")->trigger();
        } else {
            driver.then(pick(name, QStringLiteral("Command7")));
            if (how == QLatin1String("old"))
                driver.then(press("si")).then(press("aceptar"));
            window->menuItem("menuArcAbrir")->trigger();
        }
        QTRY_COMPARE(driver.pendingSteps(), 0);
        QVERIFY2(driver.unexpected().isEmpty(), qPrintable(driver.unexpected().join("; ")));
        QVERIFY2(driver.messages().isEmpty(), qPrintable(driver.messages().value(0).text));
        QCOMPARE(programEnds, 0);
        QCOMPARE(window->estado().nombreBase, name);
        QCOMPARE(window->windowTitle(), QStringLiteral("Tesorin! - [%1]").arg(name));
        QVERIFY(window->MSFlexGrid1()->isVisible());
        QVERIFY(window->menuItem("menuArcCierra")->isEnabled());
        QCOMPARE(window->Data1().rowCount(), rows);
        QCOMPARE(window->Data1().database()->path(), area->path(name));
        // The template declined at start-up stays as it was.
        QCOMPARE(fileBytes(area->path(QStringLiteral("BASE.MDB"))), vieja);
    }

    void openingAnOldFileAsksFirst_data() {
        QTest::addColumn<QString>("menu"); // empty: the work-area panel
        QTest::addColumn<QString>("accept");
        QTest::addColumn<bool>("yes");
        QTest::newRow("Abrir, Sí") << "menuArcAbrir"
                                   << "Command7" << true;
        QTest::newRow("Abrir, No") << "menuArcAbrir"
                                   << "Command7" << false;
        QTest::newRow("panel, Sí") << ""
                                   << "Command1" << true;
        QTest::newRow("panel, No") << ""
                                   << "Command1" << false;
    }
    void openingAnOldFileAsksFirst() {
        QFETCH(QString, menu);
        QFETCH(QString, accept);
        QFETCH(bool, yes);
        window = test::openMainWindow();
        QVERIFY(window);
        placeOld(QStringLiteral("VIEJA.MDB"));
        ModalDriver driver;
        driver.then(pick(QStringLiteral("VIEJA.MDB"), accept));
        driver.then(press(yes ? "si" : "no"));
        if (yes)
            driver.then(press("aceptar"));
        if (menu.isEmpty())
            QTest::mouseClick(window->SSPanel3(), Qt::LeftButton);
        else
            window->menuItem(menu)->trigger();
        QTRY_COMPARE(driver.pendingSteps(), 0);
        QVERIFY2(driver.unexpected().isEmpty(), qPrintable(driver.unexpected().join("; ")));
        QCOMPARE(window->estado().nombreBase,
                 yes ? QStringLiteral("VIEJA.MDB") : QStringLiteral("BASE.MDB"));
        QCOMPARE(window->Data1().rowCount(), yes ? 7L : 0L);
        QCOMPARE(oldworkareas::isOldWorkArea(area->path(QStringLiteral("VIEJA.MDB"))), !yes);
    }
};

TESORIN_GUI_TEST_MAIN(OldWorkAreaOpeningTest)
#include "tst_old_work_area_opening.moc"
