// "Archivo" > "Datos del titular...": the owner's profile shown, changed and
// kept, from the main window.
#include "app/MainWindowFixture.h"

#include "profile/core/OwnerProfile.h"
#include "profile/ui/panTitular.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace tesorin;
using profile::panTitular;
using test::ModalDriver;

class PanTitularTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorkArea> m_area;

private Q_SLOTS:
    void init() { m_area = std::make_unique<test::TestWorkArea>(); }
    void cleanup() {
        TESORIN_VERIFY_NO_WINDOW_LEFT();
        m_area.reset();
    }

    // Every box has its label as buddy and keeps at most what the store does.
    void everyFieldHasItsLabel() {
        panTitular dialog(QStringList(profile::kProfileFields, QString()));
        QStringList labels;
        for (int i = 0; i < profile::kProfileFields; ++i) {
            QCOMPARE(dialog.Label1[i]->buddy(), dialog.Text1[i]);
            QCOMPARE(dialog.Text1[i]->maxLength(), profile::kProfileFieldLength);
            labels << dialog.Label1[i]->text();
        }
        QCOMPARE(labels, (QStringList{"Apellido y Nombres :", "Sufijo :", "Profesión :",
                                      "Matrícula :", "Lugar de Ejercicio :", "Domicilio :",
                                      "Código postal :", "Localidad :", "Teléfonos :"}));
        QVERIFY(dialog.Command1->isDefault());
    }

    // "Aceptar" keeps what was typed; "Cancelar" leaves the profile as it was.
    void theMenuShowsAndKeepsTheProfile_data() {
        QTest::addColumn<bool>("accepted");
        QTest::newRow("Aceptar") << true;
        QTest::newRow("Cancelar") << false;
    }
    void theMenuShowsAndKeepsTheProfile() {
        QFETCH(bool, accepted);
        {
            auto db = m_area->open();
            QStringList values(profile::kProfileFields, QString());
            values[0] = QStringLiteral("Pérez, Ana");
            profile::saveOwnerProfile(*db, values);
        }
        auto window = test::openMainWindow();
        QVERIFY(window);
        QVERIFY(window->menuItem(QStringLiteral("menuArcTitular"))->isEnabled());
        QString shown;
        ModalDriver driver;
        driver.then([&](QWidget* widget) {
            auto* dialog = qobject_cast<panTitular*>(widget);
            if (!dialog)
                return;
            shown = dialog->Text1[0]->text();
            dialog->Text1[8]->setText(QStringLiteral("221 555"));
            ModalDriver::clickLater(accepted ? dialog->Command1 : dialog->Command2);
        });
        window->menuItem(QStringLiteral("menuArcTitular"))->trigger();
        QVERIFY(driver.unexpected().isEmpty());
        QCOMPARE(shown, QStringLiteral("Pérez, Ana"));
        const QStringList kept = profile::readOwnerProfile(*window->estado().baseAbierta);
        QCOMPARE(kept[0], QStringLiteral("Pérez, Ana"));
        QCOMPARE(kept[8], accepted ? QStringLiteral("221 555") : QString());
        window.reset();
    }
};

TESORIN_GUI_TEST_MAIN(PanTitularTest)
#include "tst_panTitular.moc"
