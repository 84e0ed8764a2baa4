// The statement exported to PDF, read back with pdftotext: the pages, the
// page numbers, the totals and the accented texts a reader sees, in fonts
// the file carries.
#include "base/Regional.h"
#include "reports/core/ReportError.h"
#include "reports/core/StatementFormula.h"
#include "reports/core/StatementReport.h"
#include "reports/ui/StatementOutput.h"
#include "store/Schema.h"
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

    // The rows of pdffonts for fonts the file does not carry or whose
    // glyphs it does not map back to characters.
    QStringList fontsNotEmbeddedOrUnmapped(const QString& path) {
        QProcess process;
        process.start(QStandardPaths::findExecutable(QStringLiteral("pdffonts")), {path});
        if (!process.waitForFinished(30000) || process.exitCode() != 0)
            return {QStringLiteral("pdffonts failed")};
        const QStringList rows =
            QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'));
        QStringList faults;
        int fonts = 0;
        for (const QString& row : rows.mid(2)) {
            const QStringList fields = row.simplified().split(QLatin1Char(' '));
            if (fields.size() < 6)
                continue;
            ++fonts;
            const qsizetype emb = fields.size() - 5;
            if (fields[emb] != QLatin1String("yes") || fields[emb + 2] != QLatin1String("yes"))
                faults.append(row);
        }
        if (fonts == 0)
            faults.append(QStringLiteral("no fonts"));
        return faults;
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

    // Accents, "ñ", "ü", "¿" and "€" are copied out of the PDF as written.
    void accentedTextsReadBack() {
        const QString name = QStringLiteral("ACENTOS.MDB");
        store::createWorkAreaFile(m_area->path(name));
        {
            auto db = m_area->open(name);
            addMovement(*db, QDate(2024, 3, 1), QStringLiteral("Cañería"),
                        QStringLiteral("Señal del baño"), money("0"), money("80"));
            addMovement(*db, QDate(2024, 3, 2), QStringLiteral("Cañería"),
                        QStringLiteral("Pingüino ÁÉÍÓÚ ¿€?"), money("12.5"), money("0"));
        }
        StatementReport report(name, statementFormula(kAllAccountsEntry, true, {}, {}),
                               QDate(2024, 6, 1));
        const QString path = m_area->path(QStringLiteral("acentos.pdf"));
        QVERIFY(writeStatementPdf(report, path));

        const QStringList pages = pdfPages(path);
        QCOMPARE(pages.size(), 1);
        const QString text = simplified(pages.first());
        for (const QString& expected :
             {QStringLiteral("Cuenta: Cañería"), QStringLiteral("Señal del baño"),
              QStringLiteral("Pingüino ÁÉÍÓÚ ¿€?"), QStringLiteral("Página 1 de 1")})
            QVERIFY2(text.contains(expected),
                     qPrintable(expected + QStringLiteral(" in: ") + text));
        const QStringList faults = fontsNotEmbeddedOrUnmapped(path);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
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
