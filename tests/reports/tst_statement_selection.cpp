// The statement's selection formula: the text composed from the dialog's
// answer, the movements the engine keeps for a formula, and the formulas it
// refuses.
#include "reports/core/ReportError.h"
#include "reports/core/SelectionFormula.h"
#include "reports/core/StatementFormula.h"
#include "reports/core/StatementReport.h"
#include "support/TestWorkArea.h"

#include <QTest>

#include <algorithm>

using namespace tesorin;
using namespace tesorin::reports;
using tesorin::test::addMovement;
using tesorin::test::money;

namespace {
QString repeated(const QString& text, int times) {
    QString out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}
} // namespace

class StatementSelectionTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorkArea> m_area;

    // Details of every movement the statement prints, sorted.
    QStringList printedDetails(const QString& formula) {
        StatementReport report(QStringLiteral("BASE.MDB"), formula, QDate(2024, 6, 1));
        QStringList details;
        for (int p = 0; p < report.pageCount(); ++p) {
            const StatementPage page = report.page(p);
            for (const StatementLine& line : page.lines) {
                if (line.kind == StatementLine::Kind::Movement)
                    details << line.cells[1];
            }
        }
        details.sort();
        return details;
    }

private Q_SLOTS:
    // The fixture is only read, so every row shares one.
    void initTestCase() {
        m_area = std::make_unique<test::TestWorkArea>();
        auto db = m_area->open();
        const auto add = [&db](int y, int m, int d, const char* account, const char* detail) {
            addMovement(*db, QDate(y, m, d), QString::fromUtf8(account), QString::fromUtf8(detail),
                        money("10"), money("0"));
        };
        add(2004, 4, 30, "Banco", "abril fin");
        add(2004, 5, 1, "Banco", "mayo primero");
        add(2004, 5, 15, "Banco", "mayo medio");
        add(2004, 5, 31, "Banco", "mayo ultimo");
        add(2004, 6, 1, "Banco", "junio");
        add(2004, 5, 10, "Sueldo", "sueldo mayo");
        add(2005, 1, 9, "Sueldo", "sueldo enero");
        add(2004, 5, 20, "D'Angelo", "dangelo");
        add(2004, 5, 21, "D", "d solo");
        add(2004, 5, 22, "", "sin cuenta");
    }
    void cleanupTestCase() { m_area.reset(); }

    void formulaText_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("allDates");
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::addColumn<QString>("formula");
        QTest::newRow("one account, May 2004")
            << "Banco" << false << QDate(2004, 5, 1) << QDate(2004, 5, 31)
            << "{Movimientos.Cuenta}  = 'Banco' and {Movimientos.fecha} >= Date(2004,5,1) and "
               "{Movimientos.Fecha} <= Date(2004,5,31) ";
        QTest::newRow("all accounts, all dates")
            << kAllAccountsEntry << true << QDate(2024, 3, 1) << QDate(2024, 3, 31)
            << "{Movimientos.Cuenta}  <> ''";
        QTest::newRow("9 January 2005")
            << "Sueldo" << false << QDate(2005, 1, 9) << QDate(2005, 1, 9)
            << "{Movimientos.Cuenta}  = 'Sueldo' and {Movimientos.fecha} >= Date(2005,1,9) and "
               "{Movimientos.Fecha} <= Date(2005,1,9) ";
        QTest::newRow("inverted range passed unchanged")
            << kAllAccountsEntry << false << QDate(2024, 12, 31) << QDate(2024, 1, 1)
            << "{Movimientos.Cuenta}  <> '' and {Movimientos.fecha} >= Date(2024,12,31) and "
               "{Movimientos.Fecha} <= Date(2024,1,1) ";
        QTest::newRow("apostrophe doubled")
            << "D'Angelo" << true << QDate() << QDate() << "{Movimientos.Cuenta}  = 'D''Angelo'";
    }
    void formulaText() {
        QFETCH(QString, entry);
        QFETCH(bool, allDates);
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        QFETCH(QString, formula);
        QCOMPARE(statementFormula(entry, allDates, first, last), formula);
    }

    void selection_data() {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QStringList>("details");
        const QDate may1(2004, 5, 1);
        const QDate may31(2004, 5, 31);
        QTest::newRow("one account, both ends of the range included")
            << statementFormula(QStringLiteral("Banco"), false, may1, may31)
            << QStringList{"mayo medio", "mayo primero", "mayo ultimo"};
        QTest::newRow("all accounts, all dates: every movement with an account")
            << statementFormula(kAllAccountsEntry, true, {}, {})
            << QStringList{"abril fin",   "d solo",       "dangelo",
                           "junio",       "mayo medio",   "mayo primero",
                           "mayo ultimo", "sueldo enero", "sueldo mayo"};
        QTest::newRow("all accounts in May")
            << statementFormula(kAllAccountsEntry, false, may1, may31)
            << QStringList{"d solo",       "dangelo",     "mayo medio",
                           "mayo primero", "mayo ultimo", "sueldo mayo"};
        QTest::newRow("inverted range selects nothing")
            << statementFormula(QStringLiteral("Banco"), false, may31, may1) << QStringList{};
        QTest::newRow("a single day") << statementFormula(QStringLiteral("Sueldo"), false,
                                                          QDate(2005, 1, 9), QDate(2005, 1, 9))
                                      << QStringList{"sueldo enero"};
        QTest::newRow("apostrophe selects exactly that account")
            << statementFormula(QStringLiteral("D'Angelo"), true, {}, {}) << QStringList{"dangelo"};
        QTest::newRow("field and keywords in any letter case")
            << "{movimientos.CUENTA} = 'Sueldo' AND {Movimientos.FECHA} >= date(2005,1,1)"
            << QStringList{"sueldo enero"};
        QTest::newRow("or, not and parentheses")
            << "not ({Movimientos.Cuenta} = 'Banco' or {Movimientos.Cuenta} = '') and "
               "({Movimientos.Fecha} < Date(2005,1,1))"
            << QStringList{"d solo", "dangelo", "sueldo mayo"};
        QTest::newRow("date before the field, strict bounds")
            << "Date(2004,5,1) < {Movimientos.Fecha} and {Movimientos.Fecha} < Date(2004,5,31) "
               "and {Movimientos.Cuenta} = 'Banco'"
            << QStringList{"mayo medio"};
        QTest::newRow("a quoted value cannot widen the selection")
            << "{Movimientos.Cuenta} = 'x'' or ''1''=''1'" << QStringList{};
    }
    void selection() {
        QFETCH(QString, formula);
        QFETCH(QStringList, details);
        QCOMPARE(printedDetails(formula), details);
    }

    void valuesAreBound() {
        const SelectionCondition condition = parseSelectionFormula(
            statementFormula(QStringLiteral("D'Angelo"), false, {2004, 5, 1}, {2004, 5, 31}));
        QVERIFY(!condition.sql.contains(QStringLiteral("Angelo")));
        QCOMPARE(condition.values,
                 (QVariantList{QStringLiteral("D'Angelo"), QDate(2004, 5, 1), QDate(2004, 5, 31)}));
        QCOMPARE(condition.firstDay, QDate(2004, 5, 1));
        QCOMPARE(condition.lastDay, QDate(2004, 5, 31));
    }

    void refused_data() {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("says");
        QTest::newRow("empty") << "  "
                               << "está vacía";
        QTest::newRow("field alone") << "{Movimientos.Cuenta}"
                                     << "no es una condición";
        QTest::newRow("text not closed") << "{Movimientos.Cuenta} = 'Banco"
                                         << "apóstrofo";
        QTest::newRow("brace not closed") << "{Movimientos.Cuenta = 'Banco'"
                                          << "llave";
        QTest::newRow("another table") << "{Cuentas.Nombre} = 'Banco'"
                                       << "Movimientos";
        QTest::newRow("unknown field") << "{Movimientos.Saldo} = 'x'"
                                       << "no tiene el campo";
        QTest::newRow("impossible date") << "{Movimientos.Fecha} >= Date(2005,2,30)"
                                         << "no es una fecha válida";
        QTest::newRow("Date with two numbers") << "{Movimientos.Fecha} >= Date(2005,2)"
                                               << "se esperaba «,»";
        QTest::newRow("date against text") << "{Movimientos.Fecha} = 'Banco'"
                                           << "no se puede comparar una fecha con un texto";
        QTest::newRow("dangling and") << "{Movimientos.Cuenta} = 'Banco' and"
                                      << "se esperaba";
        QTest::newRow("text after the condition")
            << "{Movimientos.Cuenta} = 'Banco'; delete from Movimientos"
            << "«;»";
        QTest::newRow("chained comparison") << "{Movimientos.Cuenta} = 'a' = 'b'"
                                            << "«and»";
        QTest::newRow("parenthesis not closed") << "({Movimientos.Cuenta} = 'Banco'"
                                                << "«)»";
        QTest::newRow("unknown word") << "true"
                                      << "no se reconoce";
        QTest::newRow("deep nesting")
            << repeated(QStringLiteral("("), 200) + QStringLiteral("{Movimientos.Cuenta} = 'a'") +
                   repeated(QStringLiteral(")"), 200)
            << "demasiados niveles";
        QTest::newRow("endless not")
            << repeated(QStringLiteral("not "), 200) + QStringLiteral("{Movimientos.Cuenta} = 'a'")
            << "demasiados niveles";
        QTest::newRow("too many terms")
            << QStringLiteral("{Movimientos.Cuenta} = 'a'") +
                   repeated(QStringLiteral(" or {Movimientos.Cuenta} = 'a'"), 500)
            << "demasiados términos";
    }
    void refused() {
        QFETCH(QString, formula);
        QFETCH(QString, says);
        try {
            StatementReport(QStringLiteral("BASE.MDB"), formula, QDate(2024, 6, 1));
            QFAIL("the formula was taken");
        } catch (const ReportError& error) {
            QVERIFY2(error.message().startsWith(
                         QStringLiteral("La fórmula de selección no es válida: ")),
                     qPrintable(error.message()));
            QVERIFY2(error.message().contains(says), qPrintable(error.message()));
        }
    }
};

TESORIN_TEST_MAIN(StatementSelectionTest)
#include "tst_statement_selection.moc"
