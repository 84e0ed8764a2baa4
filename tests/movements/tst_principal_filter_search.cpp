// The main window starts the view filter from its button bar and from the
// caption above the grid, and the search from both of its menu items.
#include "app/MainWindowFixture.h"

#include "base/Clock.h"
#include "movements/ui/panBuscar.h"
#include "movements/ui/panOpcVer.h"
#include "ui/common/Panel3D.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

using namespace tesorin;
using tesorin::movements::panBuscar;
using tesorin::movements::panOpcVer;
using tesorin::test::ModalDriver;

namespace {

// Chooses Banco over all dates and presses "Mostrar".
// Without Banco in the list it leaves with "Cancelar".
void showBancoOnly(panOpcVer& dialog) {
    const QListWidgetItem* banco = dialog.List1->findItems("Banco", Qt::MatchExactly).value(0);
    if (!banco) {
        ModalDriver::clickLater(dialog.Command2);
        return;
    }
    QTest::mouseClick(dialog.List1->viewport(), Qt::LeftButton, Qt::NoModifier,
                      dialog.List1->visualItemRect(banco).center());
    dialog.Check1->setChecked(true);
    ModalDriver::clickLater(dialog.Command4);
}

} // namespace

class PrincipalFilterSearchTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorkArea> m_area;
    std::unique_ptr<app::principal> m_window;

    QString currentDetail() const {
        const int row = m_window->MSFlexGrid1()->currentIndex().row();
        return row >= 0 ? m_window->Data1().recordset()->text(QStringLiteral("Detalle")) +
                              QStringLiteral(" @") + QString::number(row)
                        : QString();
    }

private Q_SLOTS:
    void init() {
        clock::setTodayForTests(QDate(2024, 3, 15));
        m_area = std::make_unique<test::TestWorkArea>();
        auto db = m_area->open();
        test::addMovement(*db, QDate(2024, 3, 1), "Banco", "comisión", test::money("0"),
                          test::money("12"));
        test::addMovement(*db, QDate(2024, 3, 2), "Sueldo", "sueldo", test::money("900"),
                          test::money("0"));
        test::addMovement(*db, QDate(2024, 3, 3), "Banco", "intereses", test::money("5"),
                          test::money("0"));
    }
    void cleanup() {
        m_window.reset();
        m_area.reset();
        TESORIN_VERIFY_NO_WINDOW_LEFT();
    }

    void filterFromTheButtonBarAndTheCaption_data() {
        QTest::addColumn<bool>("fromCaption");
        QTest::newRow("button Ver & Buscar") << false;
        QTest::newRow("double-click on the caption above the grid") << true;
    }
    void filterFromTheButtonBarAndTheCaption() {
        QFETCH(bool, fromCaption);
        m_window = test::openMainWindow();
        QVERIFY(m_window);
        ModalDriver driver;
        driver.expect<panOpcVer>(showBancoOnly);
        if (fromCaption)
            QTest::mouseDClick(m_window->DBGrid1(), Qt::LeftButton);
        else
            QTest::mouseClick(m_window->findChild<ui::Panel3D*>(QStringLiteral("spboton_3")),
                              Qt::LeftButton);
        QCOMPARE(m_window->DBGrid1()->caption(),
                 QStringLiteral("Cta : Banco de todas las fechas registradas."));
        QCOMPARE(m_window->MSFlexGrid1()->model()->rowCount(), 2);
        QVERIFY(m_window->findChildren<panOpcVer*>().isEmpty());
    }

    void searchFromEitherMenuItem_data() {
        QTest::addColumn<QString>("item");
        QTest::newRow("Movimientos, Buscar movimiento") << "menuMovBuscar";
        QTest::newRow("Edición, Buscar Registro") << "menuBuscaReg";
    }
    void searchFromEitherMenuItem() {
        QFETCH(QString, item);
        m_window = test::openMainWindow();
        QVERIFY(m_window);
        QAction* action = m_window->menuItem(item);
        QVERIFY(action && action->isEnabled());
        ModalDriver driver;
        driver.expect<panBuscar>([](panBuscar& dialog) {
            dialog.Check1->click();
            dialog.Check3->click();
            dialog.Check4->click();
            dialog.Combo1->setEditText(QStringLiteral("Banco"));
            dialog.Option1_1->setChecked(true);
            ModalDriver::clickLater(dialog.Command4);
        });
        action->trigger();
        QCOMPARE(currentDetail(), QStringLiteral("intereses @2"));
        QVERIFY(m_window->findChildren<panBuscar*>().isEmpty());
    }
};

TESORIN_GUI_TEST_MAIN(PrincipalFilterSearchTest)
#include "tst_principal_filter_search.moc"
