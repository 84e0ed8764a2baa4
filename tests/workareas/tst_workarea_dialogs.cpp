// The three work-area dialogs: what they refuse, what they report in Tag
// and what the caller can read from them.
#include "store/Database.h"
#include "store/WorkAreaFolder.h"
#include "support/ModalDriver.h"
#include "workareas/ui/panAbreBase.h"
#include "workareas/ui/panNueCaja.h"
#include "workareas/ui/panselCuenta.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace tesorin;
using namespace tesorin::store;
using namespace tesorin::workareas;
using test::ModalDriver;

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void select(QListWidget* list, const QString& text) {
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    if (!found.isEmpty())
        found.first()->setSelected(true);
}

} // namespace

class WorkAreaDialogsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorkArea> area;

private Q_SLOTS:
    void init() { area = std::make_unique<test::TestWorkArea>(); }
    void cleanup() {
        TESORIN_VERIFY_NO_WINDOW_LEFT();
        area.reset();
    }

    void aNameThatCannotBeUsedKeepsTheDialogOpen_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("nameAfter");
        const QString characters = QStringLiteral("El nombre solo puede tener letras, números, "
                                                  "espacios, guiones (-) y guiones bajos (_).");
        const QString exists =
            QStringLiteral("Base de datos existente !!, intente con otro nombre.");
        QTest::newRow("empty") << ""
                               << "Escriba el nombre de la nueva área de trabajo."
                               << "";
        QTest::newRow("a path") << "../x" << characters << "../x";
        QTest::newRow("a wildcard") << "*" << characters << "*";
        QTest::newRow("existing") << "CASA" << exists << "";
        QTest::newRow("existing in other case") << "casa" << exists << "";
    }
    void aNameThatCannotBeUsedKeepsTheDialogOpen() {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, nameAfter);
        const QString existing = area->path(QStringLiteral("Casa.MDB"));
        QVERIFY(QFile::copy(area->path(QStringLiteral("BASE.MDB")), existing));
        const QByteArray before = contents(existing);
        const QStringList listedBefore = listWorkAreas();

        panNueCaja dialog;
        bool openAfter = false;
        ModalDriver driver;
        driver
            .expect<panNueCaja>([&](panNueCaja&) {
                dialog.Text1->setText(typed);
                dialog.Command7->setFocus();
                ModalDriver::clickLater(dialog.Command7);
            })
            .answer(QMessageBox::Ok)
            .then([&](QWidget* active) {
                openAfter = active == &dialog;
                ModalDriver::clickLater(dialog.Command1);
            });
        dialog.exec();

        QCOMPARE(driver.messages().size(), 1);
        QCOMPARE(driver.messages()[0].title, QStringLiteral("E r r o r"));
        QCOMPARE(driver.messages()[0].text, message);
        QCOMPARE(driver.messages()[0].icon, QMessageBox::Critical);
        QVERIFY(openAfter);
        // Read once the dialog has closed: the step may run before the
        // refusal has put the focus back.
        QCOMPARE(dialog.Text1->text(), nameAfter);
        QCOMPARE(dialog.focusWidget(), dialog.Text1);
        QCOMPARE(dialog.Tag, QStringLiteral("NO"));
        QCOMPARE(contents(existing), before);
        QCOMPARE(listWorkAreas(), listedBefore);
    }

    void aGoodNameIsAccepted() {
        panNueCaja dialog;
        ModalDriver driver;
        driver.expect<panNueCaja>([&](panNueCaja&) {
            dialog.Text1->setText(QStringLiteral("Año Ñandú-2_b"));
            ModalDriver::clickLater(dialog.Command7);
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY(driver.messages().isEmpty());
        QCOMPARE(dialog.Tag, QStringLiteral("SI"));
        QCOMPARE(dialog.Text1->text(), QStringLiteral("Año Ñandú-2_b"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Nueva Caja (Area de trabajo nueva)"));
    }

    void openListsEveryWorkAreaAndNeedsASelection() {
        QVERIFY(QFile::copy(area->path(QStringLiteral("BASE.MDB")),
                            area->path(QStringLiteral("casa.mdb"))));
        panAbreBase dialog;
        QStringList listed;
        bool stillOpen = false;
        ModalDriver driver;
        driver.expect<panAbreBase>([&](panAbreBase&) {
            for (int i = 0; i < dialog.List1->count(); ++i)
                listed << dialog.List1->item(i)->text();
            dialog.Command7->click(); // "Abrir !" with no row selected
            stillOpen = dialog.isVisible() && dialog.Tag.isEmpty();
            select(dialog.List1, QStringLiteral("CASA.MDB"));
            ModalDriver::clickLater(dialog.Command7);
        });
        dialog.exec();
        QVERIFY(stillOpen);
        listed.sort();
        QCOMPARE(listed, (QStringList{QStringLiteral("BASE.MDB"), QStringLiteral("CASA.MDB")}));
        QCOMPARE(dialog.Tag, QStringLiteral("SI"));
        QCOMPARE(dialog.selectedName(), QStringLiteral("CASA.MDB"));
    }

    void openByDoubleClickAndLeaveWithSalir_data() {
        QTest::addColumn<bool>("doubleClick");
        QTest::addColumn<QString>("tag");
        QTest::newRow("double-click") << true << "SI";
        QTest::newRow("Salir") << false << "NO";
    }
    void openByDoubleClickAndLeaveWithSalir() {
        QFETCH(bool, doubleClick);
        QFETCH(QString, tag);
        panAbreBase dialog;
        ModalDriver driver;
        driver.expect<panAbreBase>([&](panAbreBase&) {
            QListWidget* list = dialog.List1;
            if (doubleClick) {
                const QRect row = list->visualItemRect(list->item(0));
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
                QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
            } else {
                select(list, QStringLiteral("BASE.MDB"));
                ModalDriver::clickLater(dialog.Command1);
            }
        });
        dialog.exec();
        QCOMPARE(dialog.Tag, tag);
    }

    void theChooserClosesWithOrWithoutASelection_data() {
        QTest::addColumn<QString>("selected"); // empty: no row selected
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("tag");
        QTest::newRow("Aceptar with a row") << "CASA.MDB"
                                            << "Command1"
                                            << "SI";
        QTest::newRow("Aceptar without a row") << ""
                                               << "Command1"
                                               << "NO";
        QTest::newRow("Cancelar") << "CASA.MDB"
                                  << "Command2"
                                  << "NO";
    }
    void theChooserClosesWithOrWithoutASelection() {
        QFETCH(QString, selected);
        QFETCH(QString, button);
        QFETCH(QString, tag);
        QVERIFY(QFile::copy(area->path(QStringLiteral("BASE.MDB")),
                            area->path(QStringLiteral("Casa.mdb"))));
        panselCuenta dialog;
        ModalDriver driver;
        driver.expect<panselCuenta>([&](panselCuenta&) {
            select(dialog.List1, selected);
            ModalDriver::clickLater(dialog.findChild<QPushButton*>(button));
        });
        dialog.exec();
        QCOMPARE(dialog.Tag, tag);
        QCOMPARE(dialog.selectedName(), selected);
    }
};

TESORIN_GUI_TEST_MAIN(WorkAreaDialogsTest)
#include "tst_workarea_dialogs.moc"
