// The monthly chart form, driven as a user would.
#include "ChartPrintCheck.h"
#include "base/Clock.h"
#include "base/Regional.h"
#include "reports/ui/BarChartView.h"
#include "reports/ui/panMensGra.h"
#include "store/Database.h"
#include "support/ModalDriver.h"
#include "ui/common/Panel3D.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace tesorin;
using tesorin::reports::panMensGra;
using tesorin::test::ModalDriver;
using tesorin::test::money;

namespace {

const QDate kToday(2005, 1, 10);

[[nodiscard]] bool pickAccount(panMensGra& form, const QString& text) {
    const int index = form.Combo1->findText(text);
    if (index < 0)
        return false;
    form.Combo1->setCurrentIndex(index);
    Q_EMIT form.Combo1->activated(index);
    return true;
}

QString cur(const char* plain) {
    return regional::currency(money(plain));
}

} // namespace

class PanMensGraTest : public QObject {
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
        test::addMovement(*db, kToday, QStringLiteral("Banco"), QStringLiteral("a"), money("5"),
                          Money());
        ModalDriver driver;
        panMensGra form(*db);
        form.show();
        QCOMPARE(form.windowTitle(), QStringLiteral("Informe mensual de cuentas"));
        QCOMPARE(form.calendar1->selectedDate(), kToday);
        QCOMPARE(form.Label5_0->text(),
                 QStringLiteral("Informe correspondiente al mes enero, 2005"));
        QCOMPARE(form.Label6->text(), QStringLiteral("Cuenta"));
        QCOMPARE(form.Combo1->currentText(), QString());
        QCOMPARE(form.Combo1->count(), 8);
        QCOMPARE(form.Combo1->itemText(0), QStringLiteral("<TODAS LAS CUENTAS>"));
        QCOMPARE(form.Combo1->itemText(1), QStringLiteral("Alquiler"));
        QCOMPARE(form.Combo1->itemText(7), QStringLiteral("Supermercado"));
        for (int d = 0; d < panMensGra::kDays; ++d)
            QCOMPARE(form.mesIng[size_t(d)]->text(), QStringLiteral("0,00"));
        QCOMPARE(form.Label2->text(), QStringLiteral("0,00"));
        QCOMPARE(form.Grafico->incomeBars()[9].height(), 0.0);
        form.close();
    }

    // The accounts in the language's order, regardless of case, after all
    // accounts.
    void theAccountsFollowTheLanguagesOrder() {
        db->exec(QStringLiteral("DELETE FROM Cuentas"));
        for (const char* name :
             {"Supermercado", "banco chico", "Ñandú", "2024 viaje", "Nafta", "árbol"})
            test::addAccount(*db, QString::fromUtf8(name), QStringLiteral("VS"));
        panMensGra form(*db);
        QStringList shown;
        for (int i = 0; i < form.Combo1->count(); ++i)
            shown << form.Combo1->itemText(i);
        QCOMPARE(shown, (QStringList{"<TODAS LAS CUENTAS>", "2024 viaje", "árbol", "banco chico",
                                     "Nafta", "Ñandú", "Supermercado"}));
    }

    // An account, then dates: the figures, the caption, the title and the
    // bold row of the selected day.
    void pickingAnAccountAndDates() {
        test::addMovement(*db, QDate(2005, 1, 3), QStringLiteral("Banco"), QStringLiteral("a"),
                          money("100"), Money());
        test::addMovement(*db, QDate(2005, 1, 3), QStringLiteral("Banco"), QStringLiteral("b"),
                          money("50"), money("30"));
        test::addMovement(*db, QDate(2005, 1, 31), QStringLiteral("Banco"), QStringLiteral("c"),
                          Money(), money("75"));
        test::addMovement(*db, QDate(2005, 1, 3), QStringLiteral("Efectivo"), QStringLiteral("d"),
                          money("9"), Money());
        panMensGra form(*db);
        form.show();
        QVERIFY(pickAccount(form, QStringLiteral("Banco")));
        QCOMPARE(form.Label6->text(), QStringLiteral("Banco"));
        QCOMPARE(form.mesIng[2]->text(), cur("150"));
        QCOMPARE(form.mesEgr[2]->text(), cur("30"));
        QCOMPARE(form.mesEgr[30]->text(), cur("75"));
        QCOMPARE(form.mesIng[3]->text(), QStringLiteral("0,00"));
        QCOMPARE(form.Label2->text(), cur("150"));
        QCOMPARE(form.Label4->text(), cur("105"));
        QCOMPARE(form.Grafico->incomeBars()[2].height(), 1875.0);
        QCOMPARE(form.Grafico->incomeBars()[2].bottom(), 7815.0);
        QCOMPARE(form.Grafico->expenseBars()[30].height(), 75 * 1875.0 / 150);
        // Picking an account changes neither the title nor the bold day.
        QVERIFY(!form.mesIng[9]->font().bold());

        form.calendar1->setSelectedDate(QDate(2005, 1, 20));
        QCOMPARE(form.mesIng[2]->text(), cur("150"));
        QVERIFY(form.mesIng[19]->font().bold());
        QVERIFY(form.mesEgr[19]->font().bold());
        QVERIFY(!form.mesIng[2]->font().bold());
        form.calendar1->setSelectedDate(QDate(2005, 1, 3));
        QVERIFY(form.mesIng[2]->font().bold());
        QVERIFY(!form.mesIng[19]->font().bold());
        QCOMPARE(form.Label5_0->text(),
                 QStringLiteral("Informe correspondiente al mes enero, 2005"));
        form.close();
    }

    // "<TODAS LAS CUENTAS>" reads "Todas las cuentas" in Label6, but the
    // message of an empty month quotes the entry itself; the table, totals
    // and bars are left at zero.
    void allAccountsAndAnEmptyMonth() {
        test::addMovement(*db, QDate(2005, 1, 3), QStringLiteral("Banco"), QStringLiteral("a"),
                          money("100"), Money());
        test::addMovement(*db, QDate(2005, 1, 3), QStringLiteral("Sueldo"), QStringLiteral("b"),
                          money("20"), Money());
        panMensGra form(*db);
        form.show();
        QVERIFY(pickAccount(form, QStringLiteral("<TODAS LAS CUENTAS>")));
        QCOMPARE(form.Label6->text(), QStringLiteral("Todas las cuentas"));
        QCOMPARE(form.mesIng[2]->text(), cur("120"));
        ModalDriver driver;
        driver.nextAnswer(QMessageBox::Ok);
        form.calendar1->setSelectedDate(QDate(2005, 2, 3));
        QCOMPARE(driver.messages().size(), 1);
        QCOMPARE(driver.messages()[0].title, QStringLiteral("E r r o r"));
        QCOMPARE(driver.messages()[0].icon, QMessageBox::Critical);
        QCOMPARE(
            driver.messages()[0].text,
            QStringLiteral("No se encontraron movimientos de la cuenta <TODAS LAS CUENTAS> en el "
                           "período febrero, 2005"));
        QCOMPARE(form.mesIng[2]->text(), QStringLiteral("0,00"));
        QCOMPARE(form.Label2->text(), QStringLiteral("0,00"));
        QCOMPARE(form.Grafico->incomeBars()[2].height(), 0.0);
        form.close();
    }

    // A date picked before any account: an empty caption and an empty name
    // in the message.
    void aDateBeforeAnyAccount() {
        panMensGra form(*db);
        form.show();
        ModalDriver driver;
        driver.nextAnswer(QMessageBox::Ok);
        form.calendar1->setSelectedDate(QDate(2005, 1, 4));
        QCOMPARE(form.Label6->text(), QString());
        QCOMPARE(driver.messages().value(0).text,
                 QStringLiteral(
                     "No se encontraron movimientos de la cuenta  en el período enero, 2005"));
        form.close();
    }

    void printingSavesAPdfAndLeavesTheFormAsItWas() {
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("a printer is installed: the picture goes to it, not to a file");
        test::addMovement(*db, QDate(2005, 1, 3), QStringLiteral("Banco"), QStringLiteral("a"),
                          money("100"), Money());
        panMensGra form(*db);
        form.show();
        QVERIFY(pickAccount(form, QStringLiteral("Banco")));
        QTemporaryDir out;
        const QString path = out.filePath(QStringLiteral("mensual.pdf"));
        ModalDriver driver;
        test::answerSaveAsPdf(driver, path);
        form.Command1->click();
        QCOMPARE(driver.messages().value(0).title, QStringLiteral("Pregunta"));
        QCOMPARE(driver.messages().value(0).icon, QMessageBox::Question);
        QVERIFY(driver.messages().value(0).text.contains(QStringLiteral("PDF")));
        QVERIFY(QFileInfo(path).size() > 0);
        QVERIFY(form.Command1->isVisible());
        QVERIFY(form.sp1->isVisible());
        QCOMPARE(form.mesIng[2]->text(), cur("100"));
        const QString text = test::pdfText(path);
        QVERIFY2(!text.isEmpty(), "pdftotext read no text from the PDF");
        QVERIFY2(text.contains(QStringLiteral("Informe correspondiente al mes enero, 2005")),
                 qPrintable(text));
        QVERIFY2(!text.contains(QStringLiteral("Seleccione")), "the selection panel was printed");
        QVERIFY2(!text.contains(QStringLiteral("Imprimir")), "the print button was printed");

        // No: nothing is asked further and nothing is written.
        driver.nextAnswer(QMessageBox::No);
        form.Command1->click();
        form.close();
    }
};

TESORIN_GUI_TEST_MAIN(PanMensGraTest)
#include "tst_panMensGra.moc"
