// "Estado de cuenta" from the main window: the view dialog under its own
// caption, the formula composed from the list's current entry and the
// calendars, the statement in its preview window, and the dialog gone
// afterwards whatever the answer.
#include "app/MainWindowFixture.h"

#include "base/Clock.h"
#include "movements/ui/panOpcVer.h"
#include "reports/core/StatementReport.h"
#include "reports/ui/StatementPreview.h"
#include "ui/common/Panel3D.h"

#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>

using namespace tesorin;
using tesorin::movements::panOpcVer;
using tesorin::reports::StatementPreview;
using tesorin::test::ModalDriver;

namespace {

void clickEntry(panOpcVer& dialog, const QString& text, Qt::KeyboardModifiers modifiers = {}) {
    const QListWidgetItem* item = dialog.List1->findItems(text, Qt::MatchExactly).value(0);
    if (item)
        QTest::mouseClick(dialog.List1->viewport(), Qt::LeftButton, modifiers,
                          dialog.List1->visualItemRect(item).center());
}

struct Seen {
    QString dialogCaption;
    QString previewTitle;
    QString workArea;
    QString formula;
    qsizetype movements = -1;
};

} // namespace

class ImprimeInformeTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorkArea> m_area;
    std::unique_ptr<app::principal> m_window;

    void start(bool fromButton) {
        if (fromButton)
            QTest::mouseClick(m_window->findChild<ui::Panel3D*>(QStringLiteral("spboton_4")),
                              Qt::LeftButton);
        else
            m_window->menuItem(QStringLiteral("menuInfEstado"))->trigger();
    }

private Q_SLOTS:
    void init() {
        clock::setTodayForTests(QDate(2024, 6, 1));
        m_area = std::make_unique<test::TestWorkArea>();
        auto db = m_area->open();
        test::addAccount(*db, QStringLiteral("D'Angelo"), QStringLiteral("OU"));
        const auto add = [&db](QDate date, const char* account, const char* detail) {
            test::addMovement(*db, date, QString::fromUtf8(account), QString::fromUtf8(detail),
                              test::money("0"), test::money("10"));
        };
        add({2004, 5, 1}, "Banco", "primero de mayo");
        add({2004, 5, 31}, "Banco", "fin de mayo");
        add({2004, 6, 1}, "Banco", "junio");
        add({2005, 1, 9}, "Sueldo", "enero");
        add({2004, 5, 10}, "D'Angelo", "préstamo");
    }
    void cleanup() {
        m_window.reset();
        m_area.reset();
        clock::setTodayForTests(QDate());
        TESORIN_VERIFY_NO_WINDOW_LEFT();
    }

    void statement_data() {
        QTest::addColumn<bool>("fromButton");
        QTest::addColumn<QStringList>("clicks"); // the last one is the current entry
        QTest::addColumn<bool>("allDates");
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::addColumn<QString>("formula");
        QTest::addColumn<int>("movements");
        QTest::newRow("one account in May 2004, from the menu")
            << false << QStringList{"Banco"} << false << QDate(2004, 5, 1) << QDate(2004, 5, 31)
            << "{Movimientos.Cuenta}  = 'Banco' and {Movimientos.fecha} >= Date(2004,5,1) and "
               "{Movimientos.Fecha} <= Date(2004,5,31) "
            << 2;
        QTest::newRow("all accounts over all dates, from the button")
            << true << QStringList{"<MOSTRAR TODAS LAS CUENTAS>"} << true << QDate(2024, 6, 1)
            << QDate(2024, 6, 1) << "{Movimientos.Cuenta}  <> ''" << 5;
        QTest::newRow("9 January 2005")
            << false << QStringList{"Sueldo"} << false << QDate(2005, 1, 9) << QDate(2005, 1, 9)
            << "{Movimientos.Cuenta}  = 'Sueldo' and {Movimientos.fecha} >= Date(2005,1,9) and "
               "{Movimientos.Fecha} <= Date(2005,1,9) "
            << 1;
        QTest::newRow("an account with an apostrophe")
            << true << QStringList{"D'Angelo"} << true << QDate() << QDate()
            << "{Movimientos.Cuenta}  = 'D''Angelo'" << 1;
        QTest::newRow("several selected: only the one clicked last")
            << false << QStringList{"Banco", "Sueldo"} << true << QDate() << QDate()
            << "{Movimientos.Cuenta}  = 'Sueldo'" << 1;
    }
    void statement() {
        QFETCH(bool, fromButton);
        QFETCH(QStringList, clicks);
        QFETCH(bool, allDates);
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        QFETCH(QString, formula);
        QFETCH(int, movements);
        m_window = test::openMainWindow();
        QVERIFY(m_window);

        Seen seen;
        ModalDriver driver;
        driver.expect<panOpcVer>([&](panOpcVer& dialog) {
            seen.dialogCaption = dialog.windowTitle();
            for (int i = 0; i < clicks.size(); ++i)
                clickEntry(dialog, clicks[i], i == 0 ? Qt::NoModifier : Qt::ControlModifier);
            dialog.Check1->setChecked(allDates);
            if (first.isValid())
                dialog.calendar1->setSelectedDate(first);
            if (last.isValid())
                dialog.Calendar2->setSelectedDate(last);
            ModalDriver::clickLater(dialog.Command4);
        });
        driver.expect<StatementPreview>([&](StatementPreview& preview) {
            seen.previewTitle = preview.windowTitle();
            seen.workArea = preview.report().workAreaName();
            seen.formula = preview.report().formula();
            seen.movements = preview.report().movementCount();
            ModalDriver::clickLater(preview.botCerrar);
        });
        start(fromButton);
        QCOMPARE(seen.dialogCaption, QStringLiteral("Seleccione datos a imprimir..."));
        QCOMPARE(seen.previewTitle, QStringLiteral("Informe preliminar de caja."));
        QCOMPARE(seen.workArea, QStringLiteral("BASE.MDB"));
        QCOMPARE(seen.formula, formula);
        QCOMPARE(seen.movements, qsizetype(movements));
        QVERIFY(m_window->findChildren<panOpcVer*>().isEmpty());
    }

    void cancelPrintsNothing() {
        m_window = test::openMainWindow();
        QVERIFY(m_window);
        ModalDriver driver;
        driver.expect<panOpcVer>(
            [](panOpcVer& dialog) { ModalDriver::clickLater(dialog.Command2); });
        start(false);
        QVERIFY(m_window->findChildren<panOpcVer*>().isEmpty());
        QVERIFY(m_window->findChildren<StatementPreview*>().isEmpty());
    }
};

TESORIN_GUI_TEST_MAIN(ImprimeInformeTest)
#include "tst_imprimeInforme.moc"
