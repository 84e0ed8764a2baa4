// The sums and balances form, driven as a user would.
#include "base/Clock.h"
#include "base/Regional.h"
#include "reports/ui/panSumas.h"
#include "store/Database.h"
#include "support/ModalDriver.h"

#include <QCalendarWidget>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

using namespace tesorin;
using tesorin::reports::panSumas;
using tesorin::test::ModalDriver;
using tesorin::test::money;

namespace {

const QDate kToday(2005, 1, 10);

// The texts of the grid's row of an account: Nombre, the two totals and Saldo.
QStringList gridRow(const panSumas& form, const QString& account) {
    const QAbstractItemModel* model = form.DBGrid1->model();
    for (int r = 0; r < model->rowCount(); ++r) {
        if (model->index(r, 0).data().toString() == account) {
            QStringList texts;
            for (int c = 0; c < model->columnCount(); ++c)
                texts << model->index(r, c).data().toString();
            return texts;
        }
    }
    return {};
}

QStringList row(const char* account, const char* income, const char* expense, const char* balance) {
    return {QString::fromUtf8(account), regional::currency(money(income)),
            regional::currency(money(expense)), regional::currency(money(balance))};
}

void addMovements(store::Database& db) {
    test::addMovement(db, QDate(2005, 1, 9), QStringLiteral("Banco"), QStringLiteral("a"),
                      money("100"), Money());
    test::addMovement(db, QDate(2005, 1, 10), QStringLiteral("Banco"), QStringLiteral("b"),
                      money("20"), money("50"));
    test::addMovement(db, QDate(2005, 1, 10), QStringLiteral("Alquiler"), QStringLiteral("c"),
                      Money(), money("300"));
}

// The cell of a day of the month shown, in the calendar's own table.
QPoint dayCell(QCalendarWidget* calendar, int day) {
    auto* view = calendar->findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"));
    const QAbstractItemModel* model = view->model();
    for (int r = 1; r < model->rowCount(); ++r)
        for (int c = 0; c < model->columnCount(); ++c)
            if (model->index(r, c).data().toInt() == day)
                return view->visualRect(model->index(r, c)).center();
    return {};
}

QWidget* calendarView(QCalendarWidget* calendar) {
    return calendar->findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"))->viewport();
}

} // namespace

class PanSumasTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorkArea> area;
    std::unique_ptr<store::Database> db;

private Q_SLOTS:
    void init() {
        clock::setTodayForTests(kToday);
        area = std::make_unique<test::TestWorkArea>();
        db = area->open();
    }
    void cleanup() {
        clock::setTodayForTests(QDate());
        TESORIN_VERIFY_NO_WINDOW_LEFT();
        db.reset();
        area.reset();
    }

    // Opening computes nothing: the grid shows what the last computation
    // stored, whatever range it had, and both calendars show today.
    void reopeningShowsTheStoredTotals() {
        addMovements(*db);
        {
            panSumas form(*db, QStringLiteral("BASE.MDB"));
            form.show();
            QCOMPARE(gridRow(form, QStringLiteral("Banco")), (QStringList{"Banco", "", "", ""}));
            form.Calendar1->setSelectedDate(QDate(2005, 1, 9));
            QCOMPARE(gridRow(form, QStringLiteral("Banco")), row("Banco", "120", "50", "70"));
            QCOMPARE(gridRow(form, QStringLiteral("Alquiler")),
                     row("Alquiler", "0", "300", "-300"));
            QCOMPARE(gridRow(form, QStringLiteral("Sueldo")), row("Sueldo", "0", "0", "0"));
            form.Command1->click();
            QVERIFY(!form.isVisible());
        }
        test::addMovement(*db, QDate(2005, 1, 10), QStringLiteral("Banco"), QStringLiteral("d"),
                          money("1"), Money());
        panSumas again(*db, QStringLiteral("BASE.MDB"));
        again.show();
        QCOMPARE(again.Calendar1->selectedDate(), kToday);
        QCOMPARE(again.Calendar2->selectedDate(), kToday);
        QCOMPARE(gridRow(again, QStringLiteral("Banco")), row("Banco", "120", "50", "70"));
        // The same day in both calendars: only that day's movements.
        again.Calendar1->setSelectedDate(kToday.addDays(-1));
        again.Calendar1->setSelectedDate(kToday);
        QCOMPARE(gridRow(again, QStringLiteral("Banco")), row("Banco", "21", "50", "-29"));
        again.close();
    }

    // A work area made as a copy of BASE.MDB brings BASE's totals along until
    // its first computation, although it has no movement.
    void aNewWorkAreaShowsTheCopiedTotals() {
        addMovements(*db);
        {
            panSumas form(*db, QStringLiteral("BASE.MDB"));
            form.show();
            form.Calendar1->setSelectedDate(QDate(2005, 1, 1));
            form.close();
        }
        // The copy is taken with no connection open on BASE.MDB.
        db.reset();
        QVERIFY(QFile::copy(area->path(QStringLiteral("BASE.MDB")),
                            area->path(QStringLiteral("CASA.MDB"))));
        auto casa = area->open(QStringLiteral("CASA.MDB"));
        casa->exec(QStringLiteral("DELETE FROM Movimientos"));
        panSumas form(*casa, QStringLiteral("CASA.MDB"));
        form.show();
        QCOMPARE(gridRow(form, QStringLiteral("Banco")), row("Banco", "120", "50", "70"));
        form.Calendar2->setSelectedDate(QDate(2005, 12, 31));
        QCOMPARE(gridRow(form, QStringLiteral("Banco")), row("Banco", "0", "0", "0"));
        QCOMPARE(gridRow(form, QStringLiteral("Alquiler")), row("Alquiler", "0", "0", "0"));
        form.close();
    }

    // A click computes once, whether it changes the date or not; leaving a
    // calendar for another control computes again.
    void clicksAndLeavingCompute() {
        addMovements(*db);
        panSumas form(*db, QStringLiteral("BASE.MDB"));
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QSignalSpy refreshes(&form.Data1, &store::DataControl::rowsReset);
        QTest::mouseClick(calendarView(form.Calendar1), Qt::LeftButton, {},
                          dayCell(form.Calendar1, 9));
        QCOMPARE(form.Calendar1->selectedDate(), QDate(2005, 1, 9));
        QCOMPARE(refreshes.count(), 1);
        QCOMPARE(gridRow(form, QStringLiteral("Banco")), row("Banco", "120", "50", "70"));
        QTest::mouseClick(calendarView(form.Calendar1), Qt::LeftButton, {},
                          dayCell(form.Calendar1, 9));
        QCOMPARE(refreshes.count(), 2);
        QTRY_VERIFY(form.Calendar1->isAncestorOf(QApplication::focusWidget()));
        form.Command1->setFocus();
        QCOMPARE(refreshes.count(), 3);
        form.close();
    }

    void anEmptyChartOfAccountsLeavesTheGridEmpty() {
        db->exec(QStringLiteral("DELETE FROM Cuentas"));
        addMovements(*db);
        ModalDriver driver;
        panSumas form(*db, QStringLiteral("BASE.MDB"));
        form.show();
        form.Calendar1->setSelectedDate(QDate(2005, 1, 1));
        QCOMPARE(form.DBGrid1->model()->rowCount(), 0);
        QVERIFY(form.DBGrid1->isVisible());
        form.close();
    }

    // A computation the store refuses is shown, and the stored totals stay.
    void aFailedComputationIsShownAndChangesNothing() {
        addMovements(*db);
        panSumas form(*db, QStringLiteral("BASE.MDB"));
        form.show();
        form.Calendar1->setSelectedDate(QDate(2005, 1, 1));
        db->exec(QStringLiteral("CREATE TRIGGER bloqueo BEFORE UPDATE ON Cuentas "
                                "BEGIN SELECT RAISE(ABORT, 'cuentas bloqueadas'); END"));
        ModalDriver driver;
        driver.nextAnswer(QMessageBox::Ok);
        form.Calendar2->setSelectedDate(QDate(2005, 1, 9));
        QCOMPARE(driver.messages().size(), 1);
        QCOMPARE(driver.messages()[0].title, QStringLiteral("Error"));
        QCOMPARE(driver.messages()[0].icon, QMessageBox::Critical);
        QVERIFY2(driver.messages()[0].text.contains(QStringLiteral("cuentas bloqueadas")),
                 qPrintable(driver.messages()[0].text));
        QCOMPARE(gridRow(form, QStringLiteral("Banco")), row("Banco", "120", "50", "70"));
        QVERIFY(form.DBGrid1->isVisible());
        QVERIFY(!QGuiApplication::overrideCursor());
        form.close();
    }
};

TESORIN_GUI_TEST_MAIN(PanSumasTest)
#include "tst_panSumas.moc"
