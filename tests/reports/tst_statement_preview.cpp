// The preview window "Informe preliminar de caja.": turning pages, zoom, and
// "Imprimir" on a machine without printers, which offers the PDF instead.
#include "reports/core/StatementFormula.h"
#include "reports/core/StatementReport.h"
#include "reports/ui/StatementPreview.h"
#include "support/ModalDriver.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

using namespace tesorin;
using namespace tesorin::reports;
using tesorin::test::ModalDriver;

namespace {
const QString kTitle = QStringLiteral("Informe preliminar de caja.");

// Saves to path in the PDF export's file dialog.
std::function<void(QFileDialog&)> saveAs(const QString& path, QString* seenTitle) {
    return [path, seenTitle](QFileDialog& dialog) {
        *seenTitle = dialog.windowTitle();
        dialog.selectFile(path);
        QMetaObject::invokeMethod(&dialog, "accept", Qt::QueuedConnection);
    };
}
} // namespace

class StatementPreviewTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorkArea> m_area;

    std::unique_ptr<StatementPreview> preview() {
        auto report = std::make_unique<StatementReport>(
            QStringLiteral("BASE.MDB"), statementFormula(kAllAccountsEntry, true, {}, {}),
            QDate(2024, 6, 1));
        return std::make_unique<StatementPreview>(std::move(report), kTitle);
    }

private Q_SLOTS:
    void initTestCase() {
        m_area = std::make_unique<test::TestWorkArea>();
        auto db = m_area->open();
        store::Transaction transaction(*db);
        for (int i = 0; i < 130; ++i)
            test::addMovement(*db, QDate(2024, 1, 1).addDays(i), QStringLiteral("Banco"),
                              QStringLiteral("Pago %1").arg(i), test::money("0"),
                              test::money("10"));
        transaction.commit();
    }
    void cleanupTestCase() { m_area.reset(); }
    void cleanup() { TESORIN_VERIFY_NO_WINDOW_LEFT(); }

    void turnsPages() {
        auto window = preview();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QCOMPARE(window->windowTitle(), kTitle);
        QCOMPARE(window->labPaginas->text(), QStringLiteral("de 3"));
        QCOMPARE(window->numPagina->value(), 1);
        QVERIFY(!window->botAnterior->isEnabled());
        QVERIFY(!window->imagenPagina->pixmap().isNull());

        QTest::mouseClick(window->botSiguiente, Qt::LeftButton);
        QCOMPARE(window->currentPage(), 1);
        QCOMPARE(window->numPagina->value(), 2);
        QTest::keyClick(window.get(), Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(window->currentPage(), 2);
        QVERIFY(!window->botSiguiente->isEnabled());
        QVERIFY(!window->botUltima->isEnabled());
        window->numPagina->setValue(1);
        QCOMPARE(window->currentPage(), 0);
        QTest::mouseClick(window->botUltima, Qt::LeftButton);
        QTest::mouseClick(window->botAnterior, Qt::LeftButton);
        QCOMPARE(window->currentPage(), 1);
        QTest::mouseClick(window->botCerrar, Qt::LeftButton);
        QVERIFY(!window->isVisible());
    }

    void zooms() {
        auto window = preview();
        window->cboZoom->setCurrentIndex(window->cboZoom->findText(QStringLiteral("100 %")));
        // A4 at 96 dots per inch.
        QCOMPARE(window->imagenPagina->pixmap().deviceIndependentSize().toSize(), QSize(794, 1123));
        window->cboZoom->setCurrentIndex(window->cboZoom->findText(QStringLiteral("50 %")));
        QCOMPARE(window->imagenPagina->pixmap().deviceIndependentSize().toSize(), QSize(397, 561));
    }

    void printWithoutPrinterOffersPdf_data() {
        QTest::addColumn<bool>("acceptPdf");
        QTest::newRow("PDF refused") << false;
        QTest::newRow("PDF accepted") << true;
    }
    void printWithoutPrinterOffersPdf() {
        QFETCH(bool, acceptPdf);
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("this machine has a printer");
        auto window = preview();
        const QString path = m_area->path(QStringLiteral("sin-impresora.pdf"));
        QFile::remove(path);
        QString fileDialogTitle;
        ModalDriver driver;
        driver.nextAnswer(acceptPdf ? QMessageBox::Yes : QMessageBox::No);
        if (acceptPdf)
            driver.expect<QFileDialog>(saveAs(path, &fileDialogTitle));
        window->imprimir();
        QTRY_COMPARE(driver.pendingSteps(), 0);
        QCOMPARE(driver.messages().size(), 1);
        QCOMPARE(driver.messages()[0].title, QStringLiteral("Pregunta"));
        QCOMPARE(driver.messages()[0].icon, QMessageBox::Question);
        QVERIFY(driver.messages()[0].text.startsWith(
            QStringLiteral("No hay ninguna impresora instalada en este equipo.")));
        QCOMPARE(QFile::exists(path), acceptPdf);
        if (acceptPdf) {
            QCOMPARE(fileDialogTitle, QStringLiteral("Exportar PDF"));
            QVERIFY(window->labEstado->text().startsWith(QStringLiteral("Informe guardado en")));
        }
    }
};

TESORIN_GUI_TEST_MAIN(StatementPreviewTest)
#include "tst_statement_preview.moc"
