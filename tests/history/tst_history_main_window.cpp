// "Deshacer" and "Rehacer" in the main window, driven as a user: a deleted
// movement comes back with its identifier, a posting of due schedules goes
// away with exactly its movements and dates, and the items name the step.
#include "app/MainWindowFixture.h"
#include "base/Clock.h"
#include "schedule/core/ScheduleRecord.h"
#include "schedule/ui/panProgPendientes.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>

using namespace tesorin;
using test::ModalDriver;

namespace {

const QDate kToday(2024, 3, 2);

QString storedIds(store::Database& db) {
    store::Statement ids = db.prepare(
        QStringLiteral("SELECT group_concat(idMovimiento) FROM (SELECT idMovimiento FROM "
                       "Movimientos ORDER BY idMovimiento)"));
    return ids.step() ? ids.text(0) : QString();
}

} // namespace

class HistoryMainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorkArea> area;
    std::unique_ptr<app::principal> window;

    QAction* menu(const char* name) const { return window->menuItem(QString::fromLatin1(name)); }
    // Which of the two items can be used, as they stand without "Edición"
    // being opened (Ctrl+Z and Ctrl+Y reach them so).
    QList<bool> editUsable() const {
        return {menu("menuDeshacer")->isEnabled(), menu("menuRehacer")->isEnabled()};
    }
    // The captions as the user sees them once "Edición" opens.
    QStringList editCaptions() const {
        auto* edit = window->menuBar()->findChild<QMenu*>(QStringLiteral("menuEdicion"));
        Q_EMIT edit->aboutToShow();
        return {menu("menuDeshacer")->text().remove(u'&'),
                menu("menuRehacer")->text().remove(u'&')};
    }
    QString balance() const { return window->findChild<QLabel*>("labSaldo")->text(); }

private Q_SLOTS:
    void init() {
        clock::setTodayForTests(kToday);
        area = std::make_unique<test::TestWorkArea>();
    }
    void cleanup() {
        window.reset();
        TESORIN_VERIFY_NO_WINDOW_LEFT();
        clock::setTodayForTests(QDate());
        area.reset();
    }

    void deletedMovementComesBackWithItsIdentifier() {
        {
            auto db = area->open();
            for (const char* amount : {"10", "20", "30"})
                test::addMovement(*db, QDate(2024, 2, 1), QStringLiteral("Sueldo"),
                                  QStringLiteral("m"), test::money(amount), Money());
        }
        window = test::openMainWindow();
        QVERIFY(window);
        const QString fullBalance = balance();
        QCOMPARE(editUsable(), (QList<bool>{false, false}));
        QCOMPARE(editCaptions(), (QStringList{"Deshacer", "Rehacer"}));
        window->MSFlexGrid1()->setFocus();
        window->MSFlexGrid1()->selectRow(1);
        {
            ModalDriver driver;
            driver.nextAnswer(QMessageBox::Yes);
            QTest::keyClick(window->MSFlexGrid1(), Qt::Key_Delete);
        }
        QCOMPARE(window->Data1().rowCount(), 2L);
        QCOMPARE(editUsable(), (QList<bool>{true, false}));
        QCOMPARE(editCaptions(), (QStringList{"Deshacer borrar movimiento", "Rehacer"}));

        // Closed and started again, the step is still there.
        window.reset();
        window = test::openMainWindow();
        QVERIFY(window);
        QTest::keySequence(window.get(), QKeySequence::Undo);
        QCOMPARE(window->Data1().rowCount(), 3L);
        QCOMPARE(storedIds(*area->open()), QStringLiteral("1,2,3"));
        QCOMPARE(window->Data1().currentRow(), 1L);
        QCOMPARE(balance(), fullBalance);
        QCOMPARE(editUsable(), (QList<bool>{false, true}));
        QCOMPARE(editCaptions(), (QStringList{"Deshacer", "Rehacer borrar movimiento"}));

        QTest::keySequence(window.get(), QKeySequence(QStringLiteral("Ctrl+Y")));
        QCOMPARE(storedIds(*area->open()), QStringLiteral("1,3"));
        QCOMPARE(window->Data1().rowCount(), 2L);
    }

    void undoingAPostingRemovesExactlyItsMovementsAndDates() {
        {
            auto db = area->open();
            test::addMovement(*db, QDate(2024, 2, 1), QStringLiteral("Sueldo"), QStringLiteral("m"),
                              test::money("10"), Money());
            schedule::ScheduleEntry rent;
            rent.account = QStringLiteral("Alquiler");
            rent.frequency = QStringLiteral("Diaria");
            rent.amount = QStringLiteral("100");
            rent.direction = QStringLiteral("OU");
            schedule::addSchedule(*db, rent, QDate(2024, 3, 1));
        }
        ModalDriver driver;
        driver.expect<schedule::panProgPendientes>(
            [](schedule::panProgPendientes& dialog) { ModalDriver::clickLater(dialog.Command1); });
        window = test::openMainWindow();
        QVERIFY(window);
        QTRY_COMPARE(window->Data1().rowCount(), 3L);
        QCOMPARE(editCaptions().first(),
                 QStringLiteral("Deshacer asentar 2 movimientos programados"));

        menu("menuDeshacer")->trigger();
        QCOMPARE(window->Data1().rowCount(), 1L);
        auto db = area->open();
        QCOMPARE(storedIds(*db), QStringLiteral("1"));
        store::Statement date = db->prepare(QStringLiteral("SELECT UltimaFecha FROM Programa"));
        QVERIFY(date.step());
        QCOMPARE(date.text(0), QStringLiteral("2024-02-29"));
        // The schedule itself was made before: it is the step now offered.
        QCOMPARE(editCaptions(), (QStringList{"Deshacer agregar movimiento programado",
                                              "Rehacer asentar 2 movimientos programados"}));
    }
};

TESORIN_GUI_TEST_MAIN(HistoryMainWindowTest)
#include "tst_history_main_window.moc"
