// The statement's pages: accounts in name order, every movement once and in
// date order, the running balance carried across pages, exact totals, and
// "Página N de M" on every page.
#include "base/Regional.h"
#include "reports/core/StatementFormula.h"
#include "reports/core/StatementReport.h"
#include "support/TestWorkArea.h"

#include <QTest>

using namespace tesorin;
using namespace tesorin::reports;
using Kind = StatementLine::Kind;
using tesorin::test::addMovement;
using tesorin::test::money;

namespace {
QString currency(const char* plain) {
    return regional::currency(money(plain));
}
const QDate kPrintDate(2024, 6, 1);
} // namespace

class StatementReportTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorkArea> m_area;

private Q_SLOTS:
    void initTestCase() {
        m_area = std::make_unique<test::TestWorkArea>();
        auto db = m_area->open();
        store::Transaction transaction(*db);
        // Entered out of name order and out of date order on purpose.
        for (int i = 119; i >= 0; --i) {
            const bool income = i % 2 == 0;
            addMovement(*db, QDate(2024, 1, 1).addDays(i), QStringLiteral("Banco"),
                        QStringLiteral("b%1").arg(i, 3, 10, QLatin1Char('0')),
                        money(income ? "100.01" : "0"), money(income ? "0" : "33.33"));
        }
        for (int i = 0; i < 5; ++i)
            addMovement(*db, QDate(2024, 2, 1 + i), QStringLiteral("Sueldo"),
                        QStringLiteral("s%1").arg(i), money("1500.5"), money("0"));
        addMovement(*db, {2024, 3, 2}, QStringLiteral("ahorro"), QStringLiteral("a1"), money("0.2"),
                    money("0"));
        addMovement(*db, {2024, 3, 1}, QStringLiteral("ahorro"), QStringLiteral("a0"), money("0.1"),
                    money("0"));
        addMovement(*db, {2024, 3, 3}, QStringLiteral("ahorro"), QStringLiteral("a2"), money("0"),
                    money("0.3"));
        transaction.commit();
    }
    void cleanupTestCase() { m_area.reset(); }

    void pagesTotalsAndBalances() {
        StatementReport report(QStringLiteral("BASE.MDB"),
                               statementFormula(kAllAccountsEntry, true, {}, {}), kPrintDate);
        QCOMPARE(report.pageCount(), 3);
        QCOMPARE(report.movementCount(), qsizetype(128));

        QStringList titles;
        QStringList details;
        QList<std::pair<QString, QStringList>> totals;
        QString lastBalance;
        for (int p = 0; p < report.pageCount(); ++p) {
            const StatementPage page = report.page(p);
            QCOMPARE(page.number, p + 1);
            QCOMPARE(page.pageText, QStringLiteral("Página %1 de 3").arg(p + 1));
            QCOMPARE(page.printed, QStringLiteral("Impreso el 1/6/2024"));
            if (p > 0)
                QCOMPARE(page.runningHeader,
                         (QStringList{"Estado de cuenta", "Caja: BASE.MDB",
                                      "Período: todas las fechas registradas"}));
            for (const StatementLine& line : page.lines) {
                switch (line.kind) {
                case Kind::AccountTitle:
                    titles << line.text;
                    break;
                case Kind::Movement:
                    details << line.cells[1];
                    lastBalance = line.cells[5];
                    break;
                case Kind::Carried:
                    // The balance brought forward is the one the page before ended on.
                    QCOMPARE(line.cells[5], lastBalance);
                    break;
                case Kind::Subtotal:
                    QCOMPARE(line.cells[5], lastBalance);
                    totals.append({line.text, line.cells.mid(3)});
                    break;
                case Kind::GrandTotal:
                    totals.append({line.text, line.cells.mid(3)});
                    break;
                default:
                    break;
                }
            }
        }

        QStringList expectedDetails{"a0", "a1", "a2"};
        for (int i = 0; i < 120; ++i)
            expectedDetails << QStringLiteral("b%1").arg(i, 3, 10, QLatin1Char('0'));
        for (int i = 0; i < 5; ++i)
            expectedDetails << QStringLiteral("s%1").arg(i);
        QCOMPARE(details, expectedDetails);
        QCOMPARE(titles,
                 (QStringList{"Cuenta: ahorro", "Cuenta: Banco", "Cuenta: Banco (continuación)",
                              "Cuenta: Banco (continuación)", "Cuenta: Sueldo"}));
        using Totals = QList<std::pair<QString, QStringList>>;
        QCOMPARE(
            totals,
            (Totals{
                {"Total de ahorro", {currency("0.3"), currency("0.3"), currency("0")}},
                {"Total de Banco", {currency("6000.6"), currency("1999.8"), currency("4000.8")}},
                {"Total de Sueldo", {currency("7502.5"), currency("0"), currency("7502.5")}},
                {"Total general",
                 {currency("13503.4"), currency("2000.1"), currency("11503.3")}}}));
    }

    void movementLine() {
        StatementReport report(
            QStringLiteral("BASE.MDB"),
            statementFormula(QStringLiteral("Banco"), false, {2024, 1, 1}, {2024, 1, 2}),
            kPrintDate);
        const StatementPage page = report.page(0);
        QList<QStringList> rows;
        for (const StatementLine& line : page.lines) {
            if (line.kind == Kind::Period)
                QCOMPARE(line.text, QStringLiteral("Período: del 1/1/2024 al 2/1/2024"));
            if (line.kind == Kind::ColumnHeads)
                QCOMPARE(line.cells,
                         (QStringList{"Fecha", "Detalle", "Tipo", "Ingreso", "Egreso", "Saldo"}));
            if (line.kind == Kind::Movement)
                rows << line.cells;
        }
        // An amount that does not apply stays blank; the balance is always shown.
        QCOMPARE(rows,
                 (QList<QStringList>{
                     {"1/1/2024", "b000", "Efectivo", currency("100.01"), "", currency("100.01")},
                     {"2/1/2024", "b001", "Efectivo", "", currency("33.33"), currency("66.68")}}));
    }

    void nothingSelected() {
        StatementReport report(
            QStringLiteral("BASE.MDB"),
            statementFormula(QStringLiteral("Banco"), false, {2024, 12, 31}, {2024, 1, 1}),
            kPrintDate);
        QCOMPARE(report.pageCount(), 1);
        const StatementPage page = report.page(0);
        QCOMPARE(page.pageText, QStringLiteral("Página 1 de 1"));
        QCOMPARE(page.lines.last().kind, Kind::Empty);
        QCOMPARE(page.lines.last().text,
                 QStringLiteral("No hay movimientos que cumplan la selección."));
    }
};

TESORIN_TEST_MAIN(StatementReportTest)
#include "tst_statement_report.moc"
