// The statement exported to PDF, read back with pdftotext: the pages, the
// page numbers and the totals a reader sees.
#include "base/Regional.h"
#include "reports/core/ReportError.h"
#include "reports/core/StatementFormula.h"
#include "reports/core/StatementReport.h"
#include "reports/ui/StatementOutput.h"
#include "support/ModalDriver.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

using namespace tesorin;
using namespace tesorin::reports;
using tesorin::test::addMovement;
using tesorin::test::money;

namespace {
// Blanks of any kind (the currency's no-break space too) as one blank.
QString simplified(QString text) {
    return text.replace(QChar(0x00A0), QLatin1Char(' ')).simplified();
}
} // namespace

class StatementPdfTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorkArea> m_area;
    QString m_pdftotext;

    // The text of each page of the PDF; empty when the reader found fault
    // with the file.
    QStringList pdfPages(const QString& path) {
        QProcess process;
        process.start(m_pdftotext, {QStringLiteral("-layout"), path, QStringLiteral("-")});
        if (!process.waitForFinished(30000) || process.exitCode() != 0)
            return {};
        const QByteArray complaints = process.readAllStandardError();
        if (!complaints.isEmpty()) {
            qWarning("pdftotext: %s", complaints.constData());
            return {};
        }
        QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(QChar('\f'));
        if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
            pages.removeLast();
        return pages;
    }

private Q_SLOTS:
    void initTestCase() {
        m_pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (m_pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed; scripts/setup.sh installs it");
        m_area = std::make_unique<test::TestWorkArea>();
        auto db = m_area->open();
        store::Transaction transaction(*db);
        for (int i = 0; i < 120; ++i)
            addMovement(*db, QDate(2024, 1, 1).addDays(i), QStringLiteral("Banco"),
                        QStringLiteral("Pago %1").arg(i), money("0"), money("10.25"));
        for (int i = 0; i < 8; ++i)
            addMovement(*db, QDate(2024, 2, 1 + i), QStringLiteral("Sueldo"),
                        QStringLiteral("Cobro %1").arg(i), money("1500.5"), money("0"));
        transaction.commit();
    }
    void cleanupTestCase() { m_area.reset(); }

    void pagesAndTotals() {
        StatementReport report(QStringLiteral("BASE.MDB"),
                               statementFormula(kAllAccountsEntry, true, {}, {}),
                               QDate(2024, 6, 1));
        QCOMPARE(report.pageCount(), 3);
        const QString path = m_area->path(QStringLiteral("estado.pdf"));
        QVERIFY(writeStatementPdf(report, path));

        const QStringList pages = pdfPages(path);
        QCOMPARE(pages.size(), 3);
        for (int p = 0; p < 3; ++p) {
            const QString text = simplified(pages[p]);
            QVERIFY2(text.contains(QStringLiteral("Página %1 de 3").arg(p + 1)), qPrintable(text));
            QVERIFY(text.contains(QStringLiteral("Impreso el 1/6/2024")));
        }
        const QString first = simplified(pages.first());
        QVERIFY(first.contains(QStringLiteral("Estado de cuenta")));
        QVERIFY(first.contains(QStringLiteral("Caja: BASE.MDB")));
        QVERIFY(first.contains(QStringLiteral("Cuenta: Banco")));
        const QString last = simplified(pages.last());
        const auto amount = [](const char* plain) {
            return simplified(regional::currency(money(plain)));
        };
        QVERIFY2(last.contains(QStringLiteral("Total de Banco %1 %2 %3")
                                   .arg(amount("0"), amount("1230"), amount("-1230"))),
                 qPrintable(last));
        QVERIFY2(last.contains(QStringLiteral("Total de Sueldo %1 %2 %3")
                                   .arg(amount("12004"), amount("0"), amount("12004"))),
                 qPrintable(last));
        QVERIFY2(last.contains(QStringLiteral("Total general %1 %2 %3")
                                   .arg(amount("12004"), amount("1230"), amount("10774"))),
                 qPrintable(last));
    }

    void stoppedExportLeavesNoFile() {
        StatementReport report(QStringLiteral("BASE.MDB"),
                               statementFormula(kAllAccountsEntry, true, {}, {}),
                               QDate(2024, 6, 1));
        const QString path = m_area->path(QStringLiteral("parado.pdf"));
        QVERIFY(!writeStatementPdf(report, path, [](int done) { return done < 2; }));
        QVERIFY(!QFile::exists(path));
    }

    void unwritableFolderSaysSo() {
        StatementReport report(QStringLiteral("BASE.MDB"),
                               statementFormula(kAllAccountsEntry, true, {}, {}),
                               QDate(2024, 6, 1));
        const QString path = m_area->path(QStringLiteral("no-existe/estado.pdf"));
        try {
            writeStatementPdf(report, path);
            QFAIL("the PDF was reported as written");
        } catch (const ReportError& error) {
            QVERIFY2(error.message().startsWith(QStringLiteral("No se pudo guardar el informe en")),
                     qPrintable(error.message()));
        }
    }

    // The medium column holds each medium the entry dialog offers and the
    // one posting gives, whole. Last: it works in a work area of its own.
    void theMediumColumnHoldsEveryMedium() {
        test::TestWorkArea area;
        auto db = area.open();
        const QStringList media{"Programado", "Efectivo", "Cheques", "Tarjeta", "Otras..."};
        for (const QString& medium : media)
            addMovement(*db, QDate(2024, 3, 1), QStringLiteral("Banco"), QStringLiteral("x"),
                        money("1"), money("0"), medium);
        db.reset();
        StatementReport report(QStringLiteral("BASE.MDB"),
                               statementFormula(kAllAccountsEntry, true, {}, {}),
                               QDate(2024, 6, 1));
        const QString path = area.path(QStringLiteral("medios.pdf"));
        QVERIFY(writeStatementPdf(report, path));
        const QString text = simplified(pdfPages(path).join(u' '));
        for (const QString& medium : media)
            QVERIFY2(text.contains(QStringLiteral(" x ") + medium + u' '), qPrintable(text));
    }
};

TESORIN_GUI_TEST_MAIN(StatementPdfTest)
#include "tst_statement_pdf.moc"
