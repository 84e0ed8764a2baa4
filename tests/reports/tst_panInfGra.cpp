// The annual chart form, driven as a user would.
#include "ChartPrintCheck.h"
#include "base/Clock.h"
#include "base/Regional.h"
#include "reports/ui/BarChartView.h"
#include "reports/ui/panInfGra.h"
#include "store/Database.h"
#include "support/ModalDriver.h"
#include "ui/common/LabelButton.h"
#include "ui/common/Panel3D.h"

#include <QAccessible>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace tesorin;
using tesorin::reports::panInfGra;
using tesorin::test::ModalDriver;
using tesorin::test::money;

namespace {

const QDate kToday(2005, 6, 15);

QString cur(const char* plain) {
    return regional::currency(money(plain));
}

// Clicks the entries as a user would: the first alone, the others with Ctrl,
// so the last one clicked is the list's current entry. False when a name is
// not in the list.
[[nodiscard]] bool select(panInfGra& form, const QStringList& names) {
    bool first = true;
    for (const QString& name : names) {
        const QList<QListWidgetItem*> found = form.Combo1->findItems(name, Qt::MatchExactly);
        if (found.isEmpty())
            return false;
        const QRect cell = form.Combo1->visualItemRect(found.first());
        QTest::mouseClick(form.Combo1->viewport(), Qt::LeftButton,
                          first ? Qt::KeyboardModifiers() : Qt::ControlModifier, cell.center());
        first = false;
    }
    return true;
}

void addYear(store::Database& db) {
    test::addMovement(db, QDate(2004, 1, 5), QStringLiteral("Banco"), QStringLiteral("a"),
                      money("100"), Money());
    test::addMovement(db, QDate(2004, 12, 31), QStringLiteral("Banco"), QStringLiteral("b"),
                      money("40"), money("10"));
    test::addMovement(db, QDate(2004, 12, 1), QStringLiteral("Efectivo"), QStringLiteral("c"),
                      money("2"), Money());
    test::addMovement(db, QDate(2004, 3, 1), QStringLiteral("Alquiler"), QStringLiteral("d"),
                      Money(), money("400"));
    test::addMovement(db, QDate(2004, 3, 1), QStringLiteral("Sueldo"), QStringLiteral("e"),
                      money("1000"), Money());
    test::addMovement(db, QDate(2005, 1, 1), QStringLiteral("Banco"), QStringLiteral("f"),
                      money("7"), Money());
}

} // namespace

class PanInfGraTest : public QObject {
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

    void loadingComputesNothing() {
        addYear(*db);
        ModalDriver driver;
        panInfGra form(*db);
        form.show();
        QCOMPARE(form.windowTitle(), QStringLiteral("Informe Anual de cuenta"));
        QCOMPARE(form.xAnio->text(), QStringLiteral("2005"));
        QCOMPARE(form.Label5_0->text(), QStringLiteral("Informe correspondiente al año 2005"));
        QCOMPARE(form.Label6->text(), QStringLiteral("Cuenta"));
        QCOMPARE(form.condition(), QString());
        QCOMPARE(form.Combo1->count(), 7);
        QCOMPARE(form.Combo1->item(0)->text(), QStringLiteral("Sueldo")); // the table's order
        QCOMPARE(form.mesIng[0]->text(), QStringLiteral("0,00"));
        QCOMPARE(form.Label2->text(), QStringLiteral("0,00"));
        form.close();
    }

    // Stepping the year before "Mostrar..." takes every account while Label6
    // still reads "Cuenta"; December is the twelfth row and pair of bars.
    void steppingTheYearTakesAllAccounts() {
        addYear(*db);
        panInfGra form(*db);
        form.show();
        form.Label7->clicked();
        QCOMPARE(form.xAnio->text(), QStringLiteral("2004"));
        QCOMPARE(form.Label5_0->text(), QStringLiteral("Informe correspondiente al año 2004"));
        QCOMPARE(form.Label6->text(), QStringLiteral("Cuenta"));
        QCOMPARE(form.mesIng[0]->text(), cur("100"));
        QCOMPARE(form.mesIng[2]->text(), cur("1000"));
        QCOMPARE(form.mesEgr[2]->text(), cur("400"));
        QCOMPARE(form.mesIng[11]->text(), cur("42"));
        QCOMPARE(form.mesEgr[11]->text(), cur("10"));
        QCOMPARE(form.mesIng[5]->text(), QStringLiteral("0,00"));
        QCOMPARE(form.Label2->text(), cur("1142"));
        QCOMPARE(form.Label4->text(), cur("410"));
        QCOMPARE(form.Grafico->incomeBars()[2], QRectF(3360 + 225, 7530 - 1875, 195, 1875));
        QCOMPARE(form.Grafico->incomeBars()[11].height(), 42 * 1875.0 / 1000);
        QCOMPARE(form.Grafico->incomeBars()[11].left(), 8355.0 + 225);
        form.Label8->clicked();
        QCOMPARE(form.xAnio->text(), QStringLiteral("2005"));
        QCOMPARE(form.mesIng[0]->text(), cur("7"));
        QCOMPARE(form.mesIng[11]->text(), QStringLiteral("0,00"));
        QCOMPARE(form.Grafico->incomeBars()[11].height(), 0.0);
        form.close();
    }

    // Three accounts selected: the condition has three terms, Label6 lists
    // the three names, and only their movements count, also after stepping.
    void threeAccounts() {
        addYear(*db);
        panInfGra form(*db);
        form.show();
        form.Label7->clicked();
        QVERIFY(select(form, {"Alquiler", "Banco", "Efectivo"}));
        form.Command2->click();
        QCOMPARE(
            form.condition(),
            QStringLiteral(" Cuenta = 'Alquiler' or  Cuenta = 'Banco' or  Cuenta = 'Efectivo'"));
        QCOMPARE(form.Command1->property("Tag").toString(), form.condition());
        QCOMPARE(form.Label6->text(), QStringLiteral("Alquiler, Banco, Efectivo, "));
        QCOMPARE(form.mesIng[2]->text(), cur("0"));
        QCOMPARE(form.mesEgr[2]->text(), cur("400"));
        QCOMPARE(form.Label2->text(), cur("142"));
        QCOMPARE(form.Grafico->expenseBars()[2].height(), 1875.0);
        // Screen readers get each value with its caption.
        const auto spoken = [](QWidget* label) {
            return QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
        };
        QCOMPARE(spoken(form.Label2), "Total de ingresos: " + cur("142"));
        QCOMPARE(spoken(form.Label4), "Total de egresos: " + cur("410"));
        QCOMPARE(spoken(form.mesEgr[2]), "Egresos de Marzo: " + cur("400"));
        QCOMPARE(spoken(form.xAnio), QStringLiteral("Año: 2004"));

        // Clearing the selection changes nothing until "Mostrar..." again.
        form.Combo1->clearSelection();
        form.Label8->clicked();
        form.Label7->clicked();
        QCOMPARE(form.Label2->text(), cur("142"));
        form.Command2->click();
        QCOMPARE(form.condition(), QStringLiteral("True"));
        QCOMPARE(form.Label6->text(), QStringLiteral("Todas"));
        QCOMPARE(form.Label2->text(), cur("1142"));
        form.close();
    }

    // The message of a year without movements names only the list's current
    // entry, however many are selected, and leaves everything at zero.
    void theNoMovementMessageNamesTheCurrentEntry() {
        addYear(*db);
        panInfGra form(*db);
        form.show();
        form.Label7->clicked();
        QVERIFY(select(form, {"Servicios", "Supermercado", "Honorarios"}));
        ModalDriver driver;
        driver.nextAnswer(QMessageBox::Ok);
        form.Command2->click();
        QCOMPARE(driver.messages().size(), 1);
        QCOMPARE(driver.messages()[0].title, QStringLiteral("E r r o r"));
        QCOMPARE(driver.messages()[0].icon, QMessageBox::Critical);
        QCOMPARE(driver.messages()[0].text,
                 QStringLiteral(
                     "No se encontraron movimientos de la cuenta Honorarios en el período 2004"));
        // The names in the list's order, not in the order clicked.
        QCOMPARE(form.Label6->text(), QStringLiteral("Honorarios, Supermercado, Servicios, "));
        QCOMPARE(form.Label2->text(), QStringLiteral("0,00"));
        QCOMPARE(form.mesIng[0]->text(), QStringLiteral("0,00"));
        form.close();
    }

    // Tabbing through the list marks a row without choosing it: the message
    // of a year without movements then names no account.
    void tabbingThroughTheListChoosesNoAccount() {
        panInfGra form(*db);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.Label8->setFocus();
        QTest::keyClick(form.Label8, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form.Combo1);
        QTest::keyClick(form.Combo1, Qt::Key_Tab);
        ModalDriver driver;
        driver.answer(QMessageBox::Ok);
        form.Command2->click();
        QVERIFY(driver.unexpected().isEmpty());
        QCOMPARE(driver.messages().value(0).text,
                 QStringLiteral("No se encontraron movimientos de la cuenta  en el período 2005"));
        form.close();
    }

    void theArrowsTurnSilverWhilePressed() {
        addYear(*db);
        panInfGra form(*db);
        form.show();
        ModalDriver driver;
        driver.nextAnswer(QMessageBox::Ok); // 2006 has no movement
        QCOMPARE(form.Label8->palette().color(QPalette::Window), QColor(Qt::black));
        QTest::mousePress(form.Label8, Qt::LeftButton);
        QCOMPARE(form.Label8->palette().color(QPalette::Window), QColor(192, 192, 192));
        QCOMPARE(form.xAnio->text(), QStringLiteral("2005"));
        QTest::mouseRelease(form.Label8, Qt::LeftButton);
        QCOMPARE(form.Label8->palette().color(QPalette::Window), QColor(Qt::black));
        QCOMPARE(form.xAnio->text(), QStringLiteral("2006"));
        QCOMPARE(driver.messages().value(0).text,
                 QStringLiteral("No se encontraron movimientos de la cuenta  en el período 2006"));
        // The arrows are reached and pressed from the keyboard too.
        form.Label7->setFocus();
        QTest::keyClick(form.Label7, Qt::Key_Space);
        QCOMPARE(form.xAnio->text(), QStringLiteral("2005"));
        QCOMPARE(form.mesIng[0]->text(), cur("7"));
        form.close();
    }

    void printingSavesAPdfAndLeavesTheFormAsItWas() {
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("a printer is installed: the picture goes to it, not to a file");
        addYear(*db);
        panInfGra form(*db);
        form.show();
        form.Label7->clicked();
        QTemporaryDir out;
        const QString path = out.filePath(QStringLiteral("anual.pdf"));
        ModalDriver driver;
        test::answerSaveAsPdf(driver, path);
        form.Command1->click();
        QCOMPARE(driver.messages().value(0).title, QStringLiteral("Pregunta"));
        QCOMPARE(driver.messages().value(0).text,
                 QStringLiteral(
                     "No hay ninguna impresora instalada. ¿Guarda este gráfico como archivo PDF?"));
        QVERIFY(QFileInfo(path).size() > 0);
        QVERIFY(form.Command1->isVisible());
        QVERIFY(form.sp1->isVisible());
        QCOMPARE(form.xAnio->text(), QStringLiteral("2004"));
        const QString text = test::pdfText(path);
        QVERIFY2(!text.isEmpty(), "pdftotext read no text from the PDF");
        QVERIFY2(text.contains(QStringLiteral("Informe correspondiente al año 2004")),
                 qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Diciem.")), qPrintable(text));
        QVERIFY2(!text.contains(QStringLiteral("Seleccione")), "the selection panel was printed");
        QVERIFY2(!text.contains(QStringLiteral("Imprimir")), "the print button was printed");
        form.close();
    }
};

TESORIN_GUI_TEST_MAIN(PanInfGraTest)
#include "tst_panInfGra.moc"
