// The grid and the totals box over the rows of Data1: the totals of the
// view, the current row shared by grid and data control, "Copiar Registro".
#include "MainWindowFixture.h"

#include "ui/common/Panel3D.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QTableView>

using namespace tesorin;
using test::blanks;
using test::money;

namespace {

const QDate kDay(2024, 3, 7);

// "I100" an income of 100, "E30" a payment of 30, on consecutive days.
void addMovements(const QStringList& movements) {
    auto db = store::Database::OpenDatabase(QStringLiteral("BASE.MDB"));
    int day = 0;
    for (const QString& movement : movements) {
        const Money amount = money(qPrintable(movement.mid(1)));
        const bool income = movement.startsWith(u'I');
        test::addMovement(*db, kDay.addDays(day++), income ? "Sueldo" : "Almacén", movement,
                          income ? amount : Money(), income ? Money() : amount);
    }
}

} // namespace

class TstPrincipalView : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorkArea> area;
    std::unique_ptr<app::principal> window;

    QStringList totals() const {
        QStringList texts;
        for (const char* name : {"labSaldo", "LabIng", "labEgr"})
            texts << window->findChild<QLabel*>(name)->text();
        return texts;
    }

    // What a screen reader says of each total: its caption and its amount.
    QStringList spoken() const {
        QStringList names;
        for (const char* name : {"labSaldo", "LabIng", "labEgr"})
            names << QAccessible::queryAccessibleInterface(window->findChild<QLabel*>(name))
                         ->text(QAccessible::Name);
        return names;
    }

private slots:
    void init() { area = std::make_unique<test::TestWorkArea>(); }

    void cleanup() {
        window.reset();
        area.reset();
        TESORIN_VERIFY_NO_WINDOW_LEFT();
    }

    void totalsOfTheView_data() {
        QTest::addColumn<QStringList>("movements");
        QTest::addColumn<QStringList>("expected"); // balance, income, expense
        QTest::newRow("100 + 50 - 30")
            << QStringList{"I100", "I50", "E30"} << QStringList{"$~120,00", "$~150,00", "$~30,00"};
        QTest::newRow("negative balance")
            << QStringList{"I20", "E50.5"} << QStringList{"($~30,50)", "$~20,00", "$~50,50"};
        QTest::newRow("empty view") << QStringList{} << QStringList{"$~0,00", "$~0,00", "$~0,00"};
    }

    void totalsOfTheView() {
        QFETCH(QStringList, movements);
        QFETCH(QStringList, expected);
        for (QString& text : expected)
            text = blanks(text);
        addMovements(movements);
        window = test::openMainWindow();
        QVERIFY(window);
        QCOMPARE(totals(), expected);
        QCOMPARE(spoken(), (QStringList{"Saldo: " + expected[0], "Ingresos: " + expected[1],
                                        "Egresos: " + expected[2]}));

        // Refreshed with a message in the bottom panel: rows clear it.
        window->Label1()->setCaption("NO HAY BASE ACTIVA");
        window->refreshView();
        QCOMPARE(totals(), expected);
        const bool rows = !movements.isEmpty();
        QCOMPARE(window->Label1()->caption(),
                 rows ? QString() : QStringLiteral("NO HAY BASE ACTIVA"));
        for (const char* name : {"menuMovBorrar", "menuMovBuscar", "menuCopiarRegistro"}) {
            window->setMenuHandler(name, [] {});
            QCOMPARE(window->menuItem(name)->isEnabled(), rows);
        }

        // Whichever row is current, the totals are those of the whole view.
        QTest::keyClick(window->MSFlexGrid1(), Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(window->Data1().currentRow(), long(movements.size()) - 1);
        QCOMPARE(totals(), expected);

        window->resetTotals();
        QCOMPARE(totals(), (QStringList{"$ 0.00", "$ 0.00", "$ 0.00"}));
        QCOMPARE(spoken(), (QStringList{"Saldo: $ 0.00", "Ingresos: $ 0.00", "Egresos: $ 0.00"}));
    }

    void gridAndDataControlShareTheCurrentRow() {
        addMovements({"I1", "I2", "I3", "I4"});
        window = test::openMainWindow();
        QVERIFY(window);
        QTableView* grid = window->MSFlexGrid1();
        QCOMPARE(grid->currentIndex().row(), 0);
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(window->Data1().currentRow(), 1L);
        window->Data1().recordset()->MoveLast();
        QCOMPARE(grid->currentIndex().row(), 3);
        QVERIFY(grid->selectionModel()->isRowSelected(3, QModelIndex()));
        QCOMPARE(grid->model()->headerData(3, Qt::Vertical).toString(), QString(QChar(0x25B8)));
        QCOMPARE(grid->model()->headerData(1, Qt::Vertical).toString(), QString());
    }

    void gridShowsTheSixColumns() {
        {
            auto db = store::Database::OpenDatabase(QStringLiteral("BASE.MDB"));
            test::addMovement(*db, QDate(2024, 3, 5), "Sueldo", "Cobro de marzo", money("1500.5"),
                              Money(), "Cheques");
        }
        window = test::openMainWindow();
        QVERIFY(window);
        const QAbstractItemModel* model = window->MSFlexGrid1()->model();
        QStringList headers, cells;
        for (int column = 0; column < model->columnCount(); ++column) {
            headers << model->headerData(column, Qt::Horizontal).toString();
            cells << model->index(0, column).data().toString();
        }
        QCOMPARE(headers, (QStringList{"Fecha", "Cuenta", "Detalle", "Tipo", "Ingreso", "Egreso"}));
        QCOMPARE(cells, (QStringList{"5/3/2024", "Sueldo", "Cobro de marzo", "Cheques",
                                     blanks("$~1.500,50"), blanks("$~0,00")}));
        QVERIFY(!(model->flags(model->index(0, 0)) & Qt::ItemIsEditable));
    }

    void copiarRegistroCopiesTheCurrentRowAndDeshacerChangesNothing() {
        addMovements({"I1500.5", "E30.25"});
        window = test::openMainWindow();
        QVERIFY(window);
        QGuiApplication::clipboard()->setText("antes");
        QTest::keyClick(window->MSFlexGrid1(), Qt::Key_Down);

        window->menuItem("menuCopiarRegistro")->trigger();
        const QString copied = blanks("8/3/2024\tAlmacén\tE30.25\tEfectivo\t$~0,00\t$~30,25");
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);

        window->menuItem("menuDeshacer")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);
        QCOMPARE(window->Data1().currentRow(), 1L);
        window->refreshView();
        QCOMPARE(window->Data1().rowCount(), 2L);
    }
};

TESORIN_GUI_TEST_MAIN(TstPrincipalView)
#include "tst_principal_view.moc"
