// The "Informes" menu items and the "Resúmen" button open the sums and the
// two charts over the open work area->
#include "app/MainWindowFixture.h"
#include "ui/common/Panel3D.h"

#include <QAction>
#include <QDialog>
#include <QTest>

using namespace tesorin;
using tesorin::test::ModalDriver;

class PrincipalInformesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorkArea> area;

private Q_SLOTS:
    void init() { area = std::make_unique<test::TestWorkArea>(); }
    void cleanup() {
        TESORIN_VERIFY_NO_WINDOW_LEFT();
        area.reset();
    }

    void opens_data() {
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("caption");
        QTest::newRow("menuInfSumas") << "menuInfSumas"
                                      << "panSumas"
                                      << "Sumas y saldos de las cuentas";
        QTest::newRow("menuInfMens") << "menuInfMens"
                                     << "panMensGra"
                                     << "Informe mensual de cuentas";
        QTest::newRow("menuInfGraficoCta") << "menuInfGraficoCta"
                                           << "panInfGra"
                                           << "Informe Anual de cuenta";
        QTest::newRow("button 5") << "spboton_5"
                                  << "panInfGra"
                                  << "Informe Anual de cuenta";
    }
    void opens() {
        QFETCH(QString, trigger);
        QFETCH(QString, form);
        QFETCH(QString, caption);
        auto window = test::openMainWindow();
        QVERIFY(window);
        QString seenName, seenCaption;
        ModalDriver driver;
        driver.then([&](QWidget* widget) {
            seenName = widget->objectName();
            seenCaption = widget->windowTitle();
            QTimer::singleShot(0, widget, &QWidget::close);
        });
        if (QAction* item = window->menuItem(trigger)) {
            QVERIFY(item->isEnabled());
            item->trigger();
        } else {
            auto* button = window->findChild<ui::Panel3D*>(trigger);
            QVERIFY(button && button->isEnabled());
            QTest::mouseClick(button, Qt::LeftButton);
        }
        QTRY_COMPARE(seenName, form);
        QCOMPARE(seenCaption, caption);
        window->close();
    }
};

TESORIN_GUI_TEST_MAIN(PrincipalInformesTest)
#include "tst_principal_informes.moc"
