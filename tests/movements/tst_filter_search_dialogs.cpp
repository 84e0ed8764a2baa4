// The view dialog and the search dialog, and the main window's filter and
// search that show them, driven as a user would.
#include "base/Clock.h"
#include "movements/ui/buscarMovimiento.h"
#include "movements/ui/filtrarDatos.h"
#include "movements/ui/panBuscar.h"
#include "movements/ui/panOpcVer.h"
#include "store/DataControl.h"
#include "store/Database.h"
#include "store/Recordset.h"
#include "support/ModalDriver.h"
#include "ui/common/MultiLineTextBox.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace tesorin;
using tesorin::movements::panBuscar;
using tesorin::movements::panOpcVer;
using tesorin::test::addMovement;
using tesorin::test::ModalDriver;
using tesorin::test::money;

namespace {

const QDate kToday(2024, 3, 15);
const QString kAll = QStringLiteral("<MOSTRAR TODAS LAS CUENTAS>");
const QString kGrid = QStringLiteral("select * from Movimientos order by fecha");

QStringList entries(const QListWidget* list) {
    QStringList out;
    for (int row = 0; row < list->count(); ++row)
        out << list->item(row)->text();
    return out;
}

QStringList entries(const QComboBox* combo) {
    QStringList out;
    for (int row = 0; row < combo->count(); ++row)
        out << combo->itemText(row);
    return out;
}

// Clicks list entries as a user would: "Banco" a plain click, "^Banco" with
// Ctrl, "+Banco" with Shift. False when an entry is not in the list.
[[nodiscard]] bool clickEntries(panOpcVer& dialog, const QStringList& clicks) {
    for (const QString& click : clicks) {
        Qt::KeyboardModifiers modifiers = Qt::NoModifier;
        QString name = click;
        if (click.startsWith(u'^'))
            modifiers = Qt::ControlModifier;
        else if (click.startsWith(u'+'))
            modifiers = Qt::ShiftModifier;
        if (modifiers != Qt::NoModifier)
            name = click.mid(1);
        const QList<QListWidgetItem*> found = dialog.List1->findItems(name, Qt::MatchExactly);
        if (found.isEmpty())
            return false;
        const QRect where = dialog.List1->visualItemRect(found.first());
        QTest::mouseClick(dialog.List1->viewport(), Qt::LeftButton, modifiers, where.center());
    }
    return true;
}

QString currentDetail(store::DataControl& data) {
    return data.hasCurrentRow() ? data.recordset()->text(QStringLiteral("Detalle")) : QString();
}

} // namespace

class FilterSearchDialogsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorkArea> m_area;
    std::unique_ptr<store::Database> m_db;
    std::unique_ptr<store::DataControl> m_data;

private Q_SLOTS:
    void initTestCase() { clock::setTodayForTests(kToday); }
    void init() {
        m_area = std::make_unique<test::TestWorkArea>();
        m_db = m_area->open();
        test::addAccount(*m_db, QStringLiteral("D'Angelo"), QStringLiteral("OU"));
        const auto add = [this](QDate date, const char* account, const char* detail, const char* in,
                                const char* out) {
            addMovement(*m_db, date, QString::fromUtf8(account), QString::fromUtf8(detail),
                        money(in), money(out));
        };
        add(QDate(2024, 2, 29), "Banco", "banco febrero", "0", "100");
        add(QDate(2024, 3, 1), "Banco", "banco marzo", "0", "1500");
        add(QDate(2024, 3, 15), "Sueldo", "sueldo marzo", "250", "0");
        add(QDate(2024, 3, 20), "D'Angelo", "cuota D'Angelo", "0", "80");
        add(QDate(2024, 3, 31), "Sueldo", "extra", "1500", "0");
        add(QDate(2024, 4, 1), "Alquiler", "alquiler abril", "0", "250");
        m_data = std::make_unique<store::DataControl>();
        m_data->setDatabaseName(QStringLiteral("BASE.MDB"));
        m_data->setRecordSource(kGrid);
        m_data->Refresh();
    }
    void cleanup() {
        TESORIN_VERIFY_NO_WINDOW_LEFT();
        m_data.reset();
        m_db.reset();
        m_area.reset();
    }

    void viewDialogAsLoaded() {
        panOpcVer dialog(*m_db);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Mostrar movimientos de ..."));
        QCOMPARE(entries(dialog.List1),
                 (QStringList{kAll, "Sueldo", "Honorarios", "Alquiler", "Supermercado", "Servicios",
                              "Banco", "Efectivo", "D'Angelo"}));
        QCOMPARE(dialog.List1->selectionMode(), QAbstractItemView::ExtendedSelection);
        QCOMPARE(dialog.ListIndex(), -1);
        QCOMPARE(dialog.calendar1->selectedDate(), kToday);
        QCOMPARE(dialog.Calendar2->selectedDate(), kToday);
        QVERIFY(!dialog.Check1->isChecked());
        QVERIFY(dialog.Option1_0->isChecked());
        QVERIFY(!dialog.Option1_1->isChecked());

        dialog.calendar1->setSelectedDate(QDate(2023, 1, 1));
        dialog.Calendar2->setSelectedDate(QDate(2025, 1, 1));
        dialog.Command1->click();
        QCOMPARE(dialog.calendar1->selectedDate(), kToday);
        QCOMPARE(dialog.Calendar2->selectedDate(), kToday);
    }

    void viewDialogWithoutAccountsListsNothing() {
        m_db->exec(QStringLiteral("DELETE FROM Cuentas"));
        panOpcVer dialog(*m_db);
        QCOMPARE(dialog.List1->count(), 0);
    }

    void clicksChooseTheAccounts_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<QString>("current");
        QTest::newRow("two accounts with Ctrl")
            << QStringList{"Banco", "^Sueldo"} << QStringList{"Sueldo", "Banco"} << "Sueldo";
        QTest::newRow("clicked, then taken out with Ctrl")
            << QStringList{"Banco", "^Banco"} << QStringList{} << "Banco";
        QTest::newRow("a range with Shift")
            << QStringList{"Sueldo", "+Alquiler"} << QStringList{"Sueldo", "Honorarios", "Alquiler"}
            << "Alquiler";
        QTest::newRow("all accounts among the selection")
            << QStringList{"Banco", "^" + kAll} << QStringList{kAll, "Banco"} << kAll;
    }
    void clicksChooseTheAccounts() {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, selected);
        QFETCH(QString, current);
        panOpcVer dialog(*m_db);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(clickEntries(dialog, clicks));
        QCOMPARE(dialog.choice().selectedEntries, selected);
        QCOMPARE(dialog.choice().currentEntry, current);
    }

    // The list takes the focus when the dialog comes up, which marks its
    // first entry without choosing it: "Mostrar" still asks for a choice.
    void showingWithoutAChoiceIsRefused() {
        panOpcVer dialog(*m_db);
        bool stayedOpen = false;
        ModalDriver driver;
        driver.expect<panOpcVer>([](panOpcVer& shown) { ModalDriver::clickLater(shown.Command4); })
            .answer()
            .expect<panOpcVer>([&stayedOpen](panOpcVer& shown) {
                stayedOpen = shown.isVisible();
                ModalDriver::clickLater(shown.Command2);
            });
        dialog.exec();
        QCOMPARE(driver.messages().size(), 1);
        QCOMPARE(driver.messages()[0].title, QStringLiteral("E r r o r"));
        QCOMPARE(driver.messages()[0].text,
                 QStringLiteral("Debe seleccionar una cuenta o bien seleccionar la opcion "
                                "<MOSTRAR TODAS LAS CUENTAS>"));
        QCOMPARE(driver.messages()[0].icon, QMessageBox::Critical);
        QVERIFY(stayedOpen);
        QCOMPARE(dialog.Tag, QStringLiteral("NO"));
    }

    void anEntryCanBeChosenWithTheKeyboard() {
        panOpcVer dialog(*m_db);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(QApplication::focusWidget(), dialog.List1);
        QTest::keyClick(dialog.List1, Qt::Key_Down);
        QTest::keyClick(dialog.List1, Qt::Key_Space);
        QCOMPARE(dialog.ListIndex(), dialog.List1->currentRow());
        QVERIFY(dialog.ListIndex() >= 0);
    }

    // Enter presses "Mostrar" wherever the focus is; "Hoy" never becomes the
    // default by taking the focus, so the dates chosen stay.
    void enterShowsWithTheDatesChosen_data() {
        QTest::addColumn<QString>("focus");
        QTest::newRow("account list") << "List1";
        QTest::newRow("after Hoy had the focus") << "Command1";
        QTest::newRow("order option") << "Option1_0";
    }
    void enterShowsWithTheDatesChosen() {
        QFETCH(QString, focus);
        panOpcVer dialog(*m_db);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.calendar1->setSelectedDate(QDate(2024, 3, 1));
        QVERIFY(clickEntries(dialog, {QStringLiteral("Banco")}));
        auto* focused = dialog.findChild<QWidget*>(focus);
        QVERIFY(focused);
        dialog.Command1->setFocus();
        focused->setFocus();
        QTRY_VERIFY(focused->hasFocus());
        QTest::keyClick(focused, Qt::Key_Return);
        QCOMPARE(dialog.Tag, QStringLiteral("SI"));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.calendar1->selectedDate(), QDate(2024, 3, 1));
    }

    // The accounts go into the row source in the list's order (Sueldo comes
    // before Banco there), whatever the order of the clicks.
    void filterSetsTheViewAndItsCaption() {
        QWidget window;
        ModalDriver driver;
        bool clicked = false;
        driver.expect<panOpcVer>([&clicked](panOpcVer& dialog) {
            clicked = clickEntries(dialog, {"Banco", "^Sueldo"});
            dialog.calendar1->setSelectedDate(QDate(2024, 3, 1));
            dialog.Calendar2->setSelectedDate(QDate(2024, 3, 31));
            dialog.Option1_1->setChecked(true);
            ModalDriver::clickLater(dialog.Command4);
        });
        const std::optional<QString> caption = movements::filtrarDatos(&window, *m_db, *m_data);
        QVERIFY(clicked);
        QCOMPARE(caption, QStringLiteral("Cta : Sueldo desde el 1/3/2024 al 31/3/2024"));
        QCOMPARE(m_data->RecordSource(),
                 QStringLiteral("select * from movimientos where Fecha >= cdate('1/3/2024') and "
                                "fecha <= cdate('31/3/2024') and (  Cuenta = 'Sueldo' or  Cuenta "
                                "= 'Banco') order by cuenta, fecha"));
        QCOMPARE(m_data->rowCount(), 3L);
        QCOMPARE(currentDetail(*m_data), QStringLiteral("banco marzo"));
        QVERIFY(window.findChildren<panOpcVer*>().isEmpty());
    }

    void cancelledFilterChangesNothing() {
        QWidget window;
        ModalDriver driver;
        bool clicked = false;
        driver.expect<panOpcVer>([&clicked](panOpcVer& dialog) {
            clicked = clickEntries(dialog, {"Banco"});
            ModalDriver::clickLater(dialog.Command2);
        });
        QCOMPARE(movements::filtrarDatos(&window, *m_db, *m_data), std::nullopt);
        QVERIFY(clicked);
        QCOMPARE(m_data->RecordSource(), kGrid);
        QCOMPARE(m_data->rowCount(), 6L);
        QVERIFY(window.findChildren<panOpcVer*>().isEmpty());
    }

    void searchDialogAsLoaded() {
        panBuscar dialog(*m_db);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Buscar Movimiento"));
        QCOMPARE(dialog.calendar1->selectedDate(), kToday);
        QCOMPARE(entries(dialog.Combo1),
                 (QStringList{"Alquiler", "Banco", "D'Angelo", "Efectivo", "Honorarios",
                              "Servicios", "Sueldo", "Supermercado"}));
        QVERIFY(dialog.Combo1->isEditable());
        QCOMPARE(dialog.Combo1->currentText(), QString());
        QCOMPARE(dialog.Text1->toPlainText(), QString());
        QCOMPARE(dialog.Text2->text(), QStringLiteral("0"));
        for (QCheckBox* box : {dialog.Check1, dialog.Check2, dialog.Check3, dialog.Check4})
            QVERIFY(!box->isChecked());
        QVERIFY(dialog.Option1_0->isChecked());
        QVERIFY(dialog.Command4->isDefault());
    }

    void anyValueBoxesDisableTheirInput_data() {
        QTest::addColumn<QString>("check");
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("enabledWhileTicked");
        QTest::newRow("any date leaves the calendar usable") << "Check1"
                                                             << "calendar1" << true;
        QTest::newRow("any account") << "Check2"
                                     << "Combo1" << false;
        QTest::newRow("any detail") << "Check3"
                                    << "Text1" << false;
        QTest::newRow("any amount") << "Check4"
                                    << "Text2" << false;
    }
    void anyValueBoxesDisableTheirInput() {
        QFETCH(QString, check);
        QFETCH(QString, input);
        QFETCH(bool, enabledWhileTicked);
        panBuscar dialog(*m_db);
        auto* box = dialog.findChild<QCheckBox*>(check);
        auto* field = dialog.findChild<QWidget*>(input);
        QVERIFY(box && field);
        box->click();
        QCOMPARE(field->isEnabled(), enabledWhileTicked);
        box->click();
        QVERIFY(field->isEnabled());
    }

    void amountBoxOnLosingTheFocus_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("left");
        QTest::newRow("letters") << "doscientos"
                                 << "0";
        QTest::newRow("empty") << ""
                               << "0";
        QTest::newRow("grouping and decimal comma") << "1.500,50"
                                                    << "1.500,50";
        QTest::newRow("currency symbol") << "$ 250"
                                         << "$ 250";
    }
    void amountBoxOnLosingTheFocus() {
        QFETCH(QString, typed);
        QFETCH(QString, left);
        panBuscar dialog(*m_db);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.Text2->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), dialog.Text2);
        dialog.Text2->setText(typed);
        dialog.Check4->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), dialog.Check4);
        QCOMPARE(dialog.Text2->text(), left);
    }

    void searchMovesTheCurrentRow() {
        QWidget window;
        m_data->setCurrentRow(4);
        ModalDriver driver;
        driver.expect<panBuscar>([](panBuscar& dialog) {
            dialog.Check1->click();
            dialog.Combo1->setEditText(QStringLiteral("D'Angelo"));
            dialog.Check3->click();
            dialog.Text2->setText(QStringLiteral("$ 80"));
            ModalDriver::clickLater(dialog.Command4);
        });
        movements::buscarMovimiento(&window, *m_db, *m_data);
        QCOMPARE(currentDetail(*m_data), QStringLiteral("cuota D'Angelo"));
        QVERIFY(window.findChildren<panBuscar*>().isEmpty());
    }

    // Enter in the detail box presses "Buscar" and adds no line break to the
    // detail looked for.
    void enterInTheDetailSearches() {
        QWidget window;
        m_data->setCurrentRow(0);
        ModalDriver driver;
        driver.then([](QWidget* widget) {
            auto* dialog = qobject_cast<panBuscar*>(widget);
            if (!dialog)
                return;
            dialog->Check1->click();
            dialog->Check2->click();
            dialog->Check4->click();
            dialog->Text1->setFocus();
            QTest::keyClicks(dialog->Text1, QStringLiteral("extra"));
            QTest::keyClick(dialog->Text1, Qt::Key_Return);
            // Left open by Enter, it is closed so that the test fails, not hangs.
            QTimer::singleShot(0, dialog, [dialog] {
                if (dialog->isVisible())
                    dialog->Command1->click();
            });
        });
        movements::buscarMovimiento(&window, *m_db, *m_data);
        QVERIFY2(driver.unexpected().isEmpty(), qPrintable(driver.unexpected().join(u'\n')));
        QVERIFY(driver.messages().isEmpty());
        QCOMPARE(currentDetail(*m_data), QStringLiteral("extra"));
    }

    void searchThatFindsNothingSaysSo() {
        QWidget window;
        m_data->setCurrentRow(2);
        ModalDriver driver;
        driver
            .expect<panBuscar>([](panBuscar& dialog) { ModalDriver::clickLater(dialog.Command4); })
            .nextAnswer();
        movements::buscarMovimiento(&window, *m_db, *m_data);
        QCOMPARE(driver.messages().size(), 1);
        QCOMPARE(driver.messages()[0].title, QStringLiteral("E r r o r"));
        QCOMPARE(driver.messages()[0].text, QStringLiteral("Criterio de búsqueda no encotrado"));
        QCOMPARE(driver.messages()[0].icon, QMessageBox::Critical);
        QCOMPARE(m_data->currentRow(), 2L);
    }

    // An unclosed '[' keeps its pattern meaning in the detail, which the store
    // cannot read: its message is shown and the current row stays.
    void criteriaTheStoreRefusesIsReported() {
        QWidget window;
        m_data->setCurrentRow(1);
        ModalDriver driver;
        driver
            .expect<panBuscar>([](panBuscar& dialog) {
                dialog.Check1->click();
                dialog.Check2->click();
                dialog.Check4->click();
                dialog.Text1->setPlainText(QStringLiteral("cuota [2"));
                ModalDriver::clickLater(dialog.Command4);
            })
            .nextAnswer();
        movements::buscarMovimiento(&window, *m_db, *m_data);
        QCOMPARE(driver.messages().size(), 1);
        QCOMPARE(driver.messages()[0].title, QStringLiteral("Error"));
        QVERIFY2(driver.messages()[0].text.contains(QStringLiteral("cuota [2")),
                 qPrintable(driver.messages()[0].text));
        QCOMPARE(driver.messages()[0].icon, QMessageBox::Critical);
        QCOMPARE(m_data->currentRow(), 1L);
    }

    void leavingTheSearchMovesNothing() {
        QWidget window;
        m_data->setCurrentRow(3);
        ModalDriver driver;
        driver.expect<panBuscar>([](panBuscar& dialog) {
            dialog.Check1->click();
            dialog.Check2->click();
            dialog.Check3->click();
            dialog.Check4->click();
            ModalDriver::clickLater(dialog.Command1);
        });
        movements::buscarMovimiento(&window, *m_db, *m_data);
        QVERIFY(driver.messages().isEmpty());
        QCOMPARE(m_data->currentRow(), 3L);
    }
};

TESORIN_GUI_TEST_MAIN(FilterSearchDialogsTest)
#include "tst_filter_search_dialogs.moc"
