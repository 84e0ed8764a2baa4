// The schedules in the main window: what falls due is offered at start-up
// and after choosing a work area, and the "Movimientos" menu opens the list.
#include "app/MainWindowFixture.h"
#include "base/Clock.h"
#include "schedule/core/ScheduleRecord.h"
#include "schedule/ui/panProg.h"
#include "schedule/ui/panProgPendientes.h"
#include "store/Schema.h"
#include "ui/common/Panel3D.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>

using namespace tesorin;
using test::ModalDriver;

namespace {

const QDate kToday(2024, 3, 2);

// A daily payment on Alquiler that covers up to 29/2: two movements due.
void addDueSchedule(store::Database& db) {
    schedule::ScheduleEntry rent;
    rent.account = QStringLiteral("Alquiler");
    rent.frequency = QStringLiteral("Diaria");
    rent.amount = QStringLiteral("100");
    rent.direction = QStringLiteral("OU");
    schedule::addSchedule(db, rent, QDate(2024, 3, 1));
}

std::function<void(schedule::panProgPendientes&)> answerPosting(int& listed) {
    return [&listed](schedule::panProgPendientes& dialog) {
        listed = dialog.List1->rowCount();
        ModalDriver::clickLater(dialog.Command1);
    };
}

} // namespace

class ScheduleMainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorkArea> area;

private Q_SLOTS:
    void init() {
        clock::setTodayForTests(kToday);
        area = std::make_unique<test::TestWorkArea>();
    }
    void cleanup() {
        TESORIN_VERIFY_NO_WINDOW_LEFT();
        clock::setTodayForTests(QDate());
        area.reset();
    }

    void startUpOffersWhatFellDue() {
        addDueSchedule(*area->open());
        int listed = 0;
        ModalDriver driver;
        driver.expect<schedule::panProgPendientes>(answerPosting(listed));
        auto window = test::openMainWindow();
        QVERIFY(window);
        QTRY_COMPARE(driver.pendingSteps(), 0);
        QTRY_COMPARE(window->Data1().rowCount(), 2L);
        QCOMPARE(listed, 2);
    }

    void choosingAWorkAreaOffersWhatFellDueThere() {
        store::createWorkAreaFile(area->path(QStringLiteral("OTRA.MDB")));
        addDueSchedule(*store::Database::OpenDatabase(QStringLiteral("OTRA.MDB")));
        auto window = test::openMainWindow();
        QVERIFY(window);
        int listed = 0;
        ModalDriver driver;
        driver
            .then([](QWidget* chooser) {
                auto* list = ModalDriver::child<QListWidget>(chooser, QStringLiteral("List1"));
                for (QListWidgetItem* item :
                     list->findItems(QStringLiteral("OTRA.MDB"), Qt::MatchExactly))
                    item->setSelected(true);
                ModalDriver::clickLater(
                    ModalDriver::child<QPushButton>(chooser, QStringLiteral("Command1")));
            })
            .expect<schedule::panProgPendientes>(answerPosting(listed));
        QTest::mouseClick(window->SSPanel3(), Qt::LeftButton);
        QCOMPARE(window->estado().nombreBase, QStringLiteral("OTRA.MDB"));
        QCOMPARE(listed, 2);
        QCOMPARE(window->Data1().rowCount(), 2L);
    }

    void theMovimientosMenuOpensTheScheduleList() {
        auto window = test::openMainWindow();
        QVERIFY(window);
        QAction* item = window->menuItem(QStringLiteral("menuMovProgramados"));
        QVERIFY(item);
        QCOMPARE(item->text(), QStringLiteral("&Movimientos programados..."));
        QVERIFY(window->menuBar()
                    ->findChild<QMenu*>(QStringLiteral("menuMovimientos"))
                    ->actions()
                    .contains(item));
        QVERIFY(item->isEnabled());
        QString opened;
        ModalDriver driver;
        driver.expect<schedule::panProg>([&opened](schedule::panProg& list) {
            opened = list.windowTitle();
            ModalDriver::clickLater(list.Command2);
        });
        item->trigger();
        QCOMPARE(opened, QStringLiteral("Automatizaciones actualmente programadas"));
    }
};

TESORIN_GUI_TEST_MAIN(ScheduleMainWindowTest)
#include "tst_schedule_main_window.moc"
