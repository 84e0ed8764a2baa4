// The movement operations from the main window: new incomes and payments
// through the entry dialog, editing by double-click, deleting with the
// Delete key, and how the grid and the totals follow.
#include "app/MainWindowFixture.h"

#include "accounts/ui/panCuentas.h"
#include "base/Clock.h"
#include "base/Regional.h"
#include "movements/ui/panNueIngreso.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <sqlite3.h>

using namespace tesorin;
using movements::panNueIngreso;
using test::ModalDriver;

namespace {

const QDate kToday(2024, 3, 20);

struct Fields {
    QDate date;
    QString account, detail, amount, medium;
};

// What the dialog showed when it came up.
struct DialogSeen {
    QString caption;
    Fields fields;
    QStringList accounts;
};

Fields fieldsOf(const panNueIngreso& dialog) {
    return {dialog.DTPicker1->date(), dialog.List1->currentText(), dialog.Text2->toPlainText(),
            dialog.Text1->text(), dialog.Combo1->currentText()};
}

// A step that records the entry dialog, types the fields given (a null text
// leaves a field as it is) and accepts, or cancels when accept is false.
std::function<void(panNueIngreso&)> fillIn(DialogSeen& seen, const Fields& typed,
                                           bool accept = true) {
    return [&seen, typed, accept](panNueIngreso& dialog) {
        seen.caption = dialog.windowTitle();
        seen.fields = fieldsOf(dialog);
        for (int i = 0; i < dialog.List1->count(); ++i)
            seen.accounts << dialog.List1->itemText(i);
        if (typed.date.isValid())
            dialog.DTPicker1->setDate(typed.date);
        if (!typed.account.isNull())
            dialog.List1->setEditText(typed.account);
        if (!typed.detail.isNull())
            dialog.Text2->setPlainText(typed.detail);
        if (!typed.amount.isNull())
            dialog.Text1->setText(typed.amount);
        if (!typed.medium.isNull())
            dialog.Combo1->setEditText(typed.medium);
        ModalDriver::clickLater(accept ? dialog.Command6 : dialog.Command1);
    };
}

struct Row {
    QString fecha, cuenta, detalle, tipo;
    double ingreso = 0, egreso = 0;
    bool operator==(const Row&) const = default;
};

QList<Row> storedMovements(store::Database& db) {
    QList<Row> rows;
    store::Statement query =
        db.prepare(QStringLiteral("SELECT Fecha, Cuenta, Detalle, Tipo, Ingreso, Egreso FROM "
                                  "Movimientos ORDER BY idMovimiento"));
    while (query.step())
        rows.append({query.text(0), query.text(1), query.text(2), query.text(3), query.real(4),
                     query.real(5)});
    return rows;
}

} // namespace

namespace QTest {
template <> char* toString(const Row& row) {
    return qstrdup(QStringLiteral("%1|%2|%3|%4|%5|%6")
                       .arg(row.fecha, row.cuenta, row.detalle, row.tipo)
                       .arg(row.ingreso)
                       .arg(row.egreso)
                       .toUtf8()
                       .constData());
}
} // namespace QTest

class MovementOperationsTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_settingsFolder;
    std::unique_ptr<test::TestWorkArea> m_area;
    std::unique_ptr<store::Database> m_db;
    std::unique_ptr<app::principal> m_window;

    QTableView* grid() const { return m_window->MSFlexGrid1(); }
    QAction* menu(const char* name) const { return m_window->menuItem(QString::fromLatin1(name)); }
    void clickButton(int index) {
        QTest::mouseClick(m_window->findChild<QWidget*>(QStringLiteral("spboton_%1").arg(index)),
                          Qt::LeftButton);
    }
    QStringList totals() const {
        QStringList texts;
        for (const char* name : {"labSaldo", "LabIng", "labEgr"})
            texts << m_window->findChild<QLabel*>(name)->text();
        return texts;
    }
    static QStringList currency(std::initializer_list<const char*> amounts) {
        QStringList texts;
        for (const char* amount : amounts)
            texts << regional::currency(test::money(amount));
        return texts;
    }
    QString gridCell(int row, int column) const {
        return grid()->model()->index(row, column).data().toString();
    }
    [[nodiscard]] bool openWindow() {
        m_window = test::openMainWindow();
        return m_window != nullptr;
    }
    // Three movements on consecutive days: incomes 100 and 50, a payment 30.
    void addThreeMovements() {
        test::addMovement(*m_db, QDate(2024, 3, 1), QStringLiteral("Sueldo"), QStringLiteral("uno"),
                          test::money("100"), test::money("0"));
        test::addMovement(*m_db, QDate(2024, 3, 2), QStringLiteral("Alquiler"),
                          QStringLiteral("dos"), test::money("0"), test::money("30"));
        test::addMovement(*m_db, QDate(2024, 3, 3), QStringLiteral("Honorarios"),
                          QStringLiteral("tres"), test::money("50"), test::money("0"));
    }
    void doubleClickRow(int row) {
        const QRect cell = grid()->visualRect(grid()->model()->index(row, 2));
        // As the window system sends it: a click, then the double-click.
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, cell.center());
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_settingsFolder.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsFolder.path());
        clock::setTodayForTests(kToday);
    }
    void init() {
        m_area = std::make_unique<test::TestWorkArea>();
        m_db = m_area->open();
    }
    void cleanup() {
        m_window.reset();
        m_db.reset();
        m_area.reset();
        TESORIN_VERIFY_NO_WINDOW_LEFT();
    }

    void theMovementItemsAndButtonsAreUsable() {
        QVERIFY(openWindow());
        QVERIFY(menu("menuMovIngreso")->isEnabled());
        QVERIFY(menu("menuMovPago")->isEnabled());
        for (int index : {0, 1, 2, 6})
            QVERIFY(m_window->findChild<QWidget*>(QStringLiteral("spboton_%1").arg(index))
                        ->isEnabled());
    }

    void aNewIncomeIsListedAndCarriedIntoTheNextPayment() {
        QVERIFY(openWindow());
        DialogSeen income, payment;
        ModalDriver driver;
        driver.expect<panNueIngreso>(
            fillIn(income, {QDate(2024, 3, 9), "Sueldo", "marzo", "1500", "Cheques"}));
        clickButton(0);
        QCOMPARE(income.caption, QStringLiteral("Nuevo Ingreso"));
        QCOMPARE(income.fields.date, kToday);
        QCOMPARE(income.accounts, (QStringList{"Sueldo", "Honorarios", "Banco", "Efectivo"}));
        QCOMPARE(storedMovements(*m_db),
                 (QList<Row>{{"2024-03-09", "Sueldo", "marzo", "Cheques", 1500, 0}}));
        QCOMPARE(gridCell(0, 2), QStringLiteral("marzo"));
        QCOMPARE(totals(), currency({"1500", "1500", "0"}));

        // The dialog stayed loaded: the payment starts from this income's
        // fields, with the account list rebuilt and no account chosen.
        driver.expect<panNueIngreso>(fillIn(payment, {}, false));
        menu("menuMovPago")->trigger();
        QCOMPARE(payment.caption, QStringLiteral("Nuevo Pago"));
        QCOMPARE(payment.fields.date, QDate(2024, 3, 9));
        QCOMPARE(payment.fields.detail, QStringLiteral("marzo"));
        QCOMPARE(payment.fields.amount, QStringLiteral("1500"));
        QCOMPARE(payment.fields.medium, QStringLiteral("Cheques"));
        QCOMPARE(payment.fields.account, QString());
        QCOMPARE(payment.accounts,
                 (QStringList{"Alquiler", "Supermercado", "Servicios", "Banco", "Efectivo"}));
        QCOMPARE(storedMovements(*m_db).size(), 1);

        // The payment unloaded it: the next use starts afresh.
        DialogSeen fresh;
        driver.expect<panNueIngreso>(fillIn(fresh, {}, false));
        menu("menuMovIngreso")->trigger();
        QCOMPARE(fresh.fields.date, kToday);
        QCOMPARE(fresh.fields.detail, QString());
        QCOMPARE(fresh.fields.amount, QString());
        QCOMPARE(fresh.fields.medium, QStringLiteral("Efectivo"));
    }

    void aCancelledIncomeWritesNothingAndKeepsTheDialogLoaded() {
        QVERIFY(openWindow());
        DialogSeen first, second;
        ModalDriver driver;
        driver.expect<panNueIngreso>(
            fillIn(first, {QDate(2024, 1, 2), "Banco", "nada", "7", "Tarjeta"}, false));
        menu("menuMovIngreso")->trigger();
        driver.expect<panNueIngreso>(fillIn(second, {}, false));
        menu("menuMovIngreso")->trigger();
        QVERIFY(storedMovements(*m_db).isEmpty());
        QCOMPARE(second.fields.detail, QStringLiteral("nada"));
        QCOMPARE(second.fields.date, QDate(2024, 1, 2));
    }

    void aNewPaymentStoresIngresoZero() {
        QVERIFY(openWindow());
        DialogSeen payment;
        ModalDriver driver;
        driver.expect<panNueIngreso>(
            fillIn(payment, {QDate(2024, 3, 9), "Luz", "", regional::currency(test::money("80.5")),
                             "Efectivo"}));
        clickButton(1);
        QCOMPARE(storedMovements(*m_db),
                 (QList<Row>{{"2024-03-09", "Luz", "", "Efectivo", 0, 80.5}}));
        QCOMPARE(totals(), currency({"-80.5", "0", "80.5"}));
    }

    void editingByDoubleClickFollowsTheDirection_data() {
        QTest::addColumn<QString>("ingreso");
        QTest::addColumn<QString>("egreso");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("amountShown");
        QTest::addColumn<QString>("firstAccount");
        QTest::addColumn<double>("newIngreso");
        QTest::addColumn<double>("newEgreso");
        QTest::newRow("Egreso 250") << "0"
                                    << "250"
                                    << "Editar Pago"
                                    << "250"
                                    << "Alquiler" << 0.0 << 99.0;
        QTest::newRow("both 0") << "0"
                                << "0"
                                << "Editar Ingreso"
                                << "0"
                                << "Sueldo" << 99.0 << 0.0;
        QTest::newRow("Egreso 10, Ingreso 5") << "5"
                                              << "10"
                                              << "Editar Pago"
                                              << "10"
                                              << "Alquiler" << 0.0 << 99.0;
    }
    void editingByDoubleClickFollowsTheDirection() {
        QFETCH(QString, ingreso);
        QFETCH(QString, egreso);
        QFETCH(QString, caption);
        QFETCH(QString, amountShown);
        QFETCH(QString, firstAccount);
        QFETCH(double, newIngreso);
        QFETCH(double, newEgreso);
        test::addMovement(*m_db, QDate(2024, 3, 1), QStringLiteral("Banco"),
                          QStringLiteral("antes"), test::money("1"), test::money("0"));
        test::addMovement(*m_db, QDate(2024, 3, 5), QStringLiteral("Servicios"),
                          QStringLiteral("luz"), test::money(qPrintable(ingreso)),
                          test::money(qPrintable(egreso)), QStringLiteral("Tarjeta"));
        QVERIFY(openWindow());
        DialogSeen seen;
        ModalDriver driver;
        driver.expect<panNueIngreso>(fillIn(seen, {QDate(), QString(), QStringLiteral("luz y gas"),
                                                   QStringLiteral("99"), QString()}));
        doubleClickRow(1);
        QCOMPARE(seen.caption, caption);
        QCOMPARE(seen.fields.amount, amountShown);
        QCOMPARE(seen.fields.date, QDate(2024, 3, 5));
        QCOMPARE(seen.fields.account, QStringLiteral("Servicios"));
        QCOMPARE(seen.fields.detail, QStringLiteral("luz"));
        QCOMPARE(seen.fields.medium, QStringLiteral("Tarjeta"));
        QCOMPARE(seen.accounts.value(0), firstAccount);
        QCOMPARE(storedMovements(*m_db).value(1),
                 (Row{"2024-03-05", "Servicios", "luz y gas", "Tarjeta", newIngreso, newEgreso}));
        // The grid shows the edited values in place and the totals count them.
        QCOMPARE(m_window->Data1().currentRow(), 1L);
        QCOMPARE(gridCell(1, 2), QStringLiteral("luz y gas"));
        QCOMPARE(totals().value(1), regional::currency(test::money(newIngreso ? "100" : "1")));
    }

    void doubleClickingAnEmptyGridEditsNothing() {
        QVERIFY(openWindow());
        ModalDriver driver;
        driver.nextAnswer();
        QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(driver.messages().size(), 1);
        QCOMPARE(driver.messages()[0].text, QStringLiteral("No se puede editar este movimiento !"));
        QCOMPARE(driver.messages()[0].title, QStringLiteral("Error"));
        QCOMPARE(driver.messages()[0].icon, QMessageBox::Critical);
    }

    void deleteOnAnEmptyGridAsksOnceThenSaysThereIsNothing() {
        QVERIFY(openWindow());
        ModalDriver driver;
        driver.nextAnswer(QMessageBox::Yes).nextAnswer();
        QTest::keyClick(grid(), Qt::Key_Delete);
        QCOMPARE(driver.messages().size(), 2);
        QCOMPARE(driver.messages()[0].text,
                 QStringLiteral("Está seguro de borrar este movimiento ??"));
        QCOMPARE(driver.messages()[0].title, QStringLiteral("Pregunta"));
        QCOMPARE(driver.messages()[0].icon, QMessageBox::Critical);
        QCOMPARE(driver.messages()[1].text,
                 QStringLiteral(
                     "Registro no seleccionado para borrar o no hay registros para borrar !!"));
        QCOMPARE(driver.messages()[1].title, QStringLiteral("Error"));
    }

    void deletingTakesTheRowOutOfTheGridAndTheTotals_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<long>("current");
        QTest::addColumn<QStringList>("expectedTotals");
        QTest::newRow("middle: the next one takes its place")
            << 1 << QStringList{"uno", "tres"} << 1L << currency({"150", "150", "0"});
        QTest::newRow("last: the new last row")
            << 2 << QStringList{"uno", "dos"} << 1L << currency({"70", "100", "30"});
        QTest::newRow("first") << 0 << QStringList{"dos", "tres"} << 0L
                               << currency({"20", "50", "30"});
    }
    void deletingTakesTheRowOutOfTheGridAndTheTotals() {
        QFETCH(int, row);
        QFETCH(QStringList, left);
        QFETCH(long, current);
        QFETCH(QStringList, expectedTotals);
        addThreeMovements();
        QVERIFY(openWindow());
        grid()->setFocus();
        grid()->selectRow(row);
        QCOMPARE(m_window->Data1().currentRow(), long(row));
        ModalDriver driver;
        driver.nextAnswer(QMessageBox::Yes);
        QTest::keyClick(grid(), Qt::Key_Delete);
        QCOMPARE(driver.messages().size(), 1);
        QCOMPARE(grid()->model()->rowCount(), 2);
        QCOMPARE((QStringList{gridCell(0, 2), gridCell(1, 2)}), left);
        QCOMPARE(m_window->Data1().currentRow(), current);
        QCOMPARE(grid()->currentIndex().row(), int(current));
        QCOMPARE(totals(), expectedTotals);
        QCOMPARE(storedMovements(*m_db).size(), 2);
    }

    void answeringNoOrUsingTheMenuOrButton_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("reply");
        QTest::addColumn<int>("left");
        QTest::newRow("key, No") << "key" << int(QMessageBox::No) << 3;
        QTest::newRow("menu, Yes") << "menu" << int(QMessageBox::Yes) << 2;
        QTest::newRow("button, Yes") << "button" << int(QMessageBox::Yes) << 2;
    }
    void answeringNoOrUsingTheMenuOrButton() {
        QFETCH(QString, how);
        QFETCH(int, reply);
        QFETCH(int, left);
        addThreeMovements();
        QVERIFY(openWindow());
        QVERIFY(menu("menuMovBorrar")->isEnabled());
        ModalDriver driver;
        driver.nextAnswer(QMessageBox::StandardButton(reply));
        if (how == QLatin1String("key"))
            QTest::keyClick(grid(), Qt::Key_Delete);
        else if (how == QLatin1String("menu"))
            menu("menuMovBorrar")->trigger();
        else
            clickButton(2);
        QCOMPARE(driver.messages().size(), 1);
        QCOMPARE(storedMovements(*m_db).size(), left);
        QCOMPARE(grid()->model()->rowCount(), left);
    }

    void aFailedWriteShowsTheStoresMessageAndChangesNothing_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("how"); // read-only or locked
        QTest::addColumn<QString>("message");
        QTest::newRow("delete, read-only") << "delete"
                                           << "read-only"
                                           << "solo lectura";
        QTest::newRow("delete, locked") << "delete"
                                        << "locked"
                                        << "está en uso por otro programa";
        QTest::newRow("payment, read-only") << "payment"
                                            << "read-only"
                                            << "solo lectura";
        QTest::newRow("edit, read-only") << "edit"
                                         << "read-only"
                                         << "solo lectura";
    }
    void aFailedWriteShowsTheStoresMessageAndChangesNothing() {
        QFETCH(QString, operation);
        QFETCH(QString, how);
        QFETCH(QString, message);
        addThreeMovements();
        QVERIFY(openWindow());
        const QList<Row> before = storedMovements(*m_db);
        sqlite3* other = nullptr;
        if (how == QLatin1String("locked")) {
            sqlite3_open(m_area->path(QStringLiteral("BASE.MDB")).toUtf8().constData(), &other);
            QCOMPARE(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        } else {
            // Root writes through permission bits; the store is asked instead.
            m_window->estado().baseAbierta->exec(QStringLiteral("PRAGMA query_only = 1"));
            m_window->Data1().database()->exec(QStringLiteral("PRAGMA query_only = 1"));
        }
        DialogSeen seen;
        ModalDriver driver;
        if (operation == QLatin1String("delete")) {
            driver.nextAnswer(QMessageBox::Yes).nextAnswer();
            QTest::keyClick(grid(), Qt::Key_Delete);
        } else if (operation == QLatin1String("payment")) {
            driver.expect<panNueIngreso>(fillIn(seen, {kToday, "Alquiler", "x", "5", "Efectivo"}))
                .nextAnswer();
            menu("menuMovPago")->trigger();
        } else {
            driver
                .expect<panNueIngreso>(
                    fillIn(seen, {QDate(), QString(), QString(), QStringLiteral("7"), QString()}))
                .nextAnswer();
            doubleClickRow(0);
        }
        if (other) {
            sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
            sqlite3_close(other);
        }
        QVERIFY(!driver.messages().isEmpty());
        const test::SeenMessage& shown = driver.messages().last();
        QVERIFY2(shown.text.contains(message), qPrintable(shown.text));
        QCOMPARE(shown.icon, QMessageBox::Critical);
        QCOMPARE(storedMovements(*m_db), before);
        QCOMPARE(grid()->model()->rowCount(), 3);
    }

    void theCuentasButtonOpensTheChart() {
        QVERIFY(openWindow());
        QString shown;
        ModalDriver driver;
        driver.expect<accounts::panCuentas>([&shown](accounts::panCuentas& chart) {
            shown = chart.objectName();
            ModalDriver::clickLater(chart.Command2);
        });
        clickButton(6);
        QCOMPARE(shown, QStringLiteral("panCuentas"));
    }
};

TESORIN_GUI_TEST_MAIN(MovementOperationsTest)
#include "tst_movement_operations.moc"
