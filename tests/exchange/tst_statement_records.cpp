// Statements kept in the work area: the period and balances of each one in
// "Extractos", the movements it brought in "ExtractoMovimientos", both part
// of the import's step of the history.
#include "base/Clock.h"
#include "exchange/core/ExchangeCommand.h"
#include "exchange/core/ImportPlan.h"
#include "exchange/core/StatementAccounts.h"
#include "exchange/core/StatementImport.h"
#include "history/core/UndoHistory.h"
#include "store/Database.h"
#include "support/TestWorkArea.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace tesorin;
using namespace tesorin::exchange;

namespace {

QByteArray fixture(const QString& name) {
    QFile file(QStringLiteral(EXCHANGE_FIXTURES "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(name));
    return file.readAll();
}

QStringList query(store::Database& db, const QString& sql) {
    QStringList rows;
    store::Statement q = db.prepare(sql);
    while (q.step()) {
        QStringList fields;
        for (int c = 0; c < q.columnCount(); ++c)
            fields.append(q.isNull(c) ? QStringLiteral("NULL") : q.text(c));
        rows.append(fields.join(u'|'));
    }
    return rows;
}

QStringList statementRows(store::Database& db) {
    return query(db, QStringLiteral("SELECT Cuenta, Desde, Hasta, SaldoInicial, SaldoFinal, "
                                    "Archivo, Importado FROM Extractos ORDER BY idExtracto"));
}

// "statement|account|detail" for every link.
QStringList linkRows(store::Database& db) {
    return query(db, QStringLiteral("SELECT e.idExtracto, m.Cuenta, m.Detalle FROM "
                                    "ExtractoMovimientos l JOIN Extractos e USING (idExtracto) "
                                    "JOIN Movimientos m USING (idMovimiento) ORDER BY "
                                    "l.rowid"));
}

ImportOutcome importTwoAccounts(store::Database& db) {
    LoadedStatement loaded = loadStatement(fixture(QStringLiteral("n43-two-accounts.n43")));
    ImportTarget target;
    target.statements = loaded.statements;
    target.statements[0].account = QStringLiteral("Banco");
    target.statements[1].account = QStringLiteral("Efectivo");
    target.fileName = QStringLiteral("n43-two-accounts.n43");
    return writeImport(db, planImport(db, loaded.result.rows), target);
}

} // namespace

class TestStatementRecords : public QObject {
    Q_OBJECT
    QTemporaryDir m_settings;

private slots:
    void initTestCase() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
        clock::setTodayForTests(QDate(2026, 3, 2));
    }
    void cleanupTestCase() { clock::setTodayForTests(QDate()); }

    void eachAccountGoesToItsOwnAccountWithItsStatement() {
        test::TestWorkArea area;
        auto db = area.open();
        QCOMPARE(importTwoAccounts(*db).stored, 5);
        QCOMPARE(query(*db, QStringLiteral("SELECT Fecha, Cuenta, Detalle, Ingreso, Egreso FROM "
                                           "Movimientos ORDER BY idMovimiento")),
                 (QStringList{
                     QStringLiteral("2026-02-03|Banco|TRANSFERENCIA A JUAN|0.0|100.0"),
                     QStringLiteral("2026-02-15|Banco|INGRESO EFECTIVO|50.25|0.0"),
                     QString::fromUtf8("2026-02-04|Efectivo|Intereses, comisiones, "
                                       "custodia, gastos e impuestos|0.0|3.0"),
                     QStringLiteral("2026-02-05|Efectivo|CAJERO CALLE MAYOR|0.0|7.0"),
                     QString::fromUtf8("2026-02-25|Efectivo|DEVOLUCIÓN HACIENDA|1234.56|0.0")}));
        QCOMPARE(statementRows(*db),
                 (QStringList{QStringLiteral("Banco|2026-02-01|2026-02-28|500.0|450.25|"
                                             "n43-two-accounts.n43|2026-03-02"),
                              QStringLiteral("Efectivo|2026-02-01|2026-02-28|-20.0|1204.56|"
                                             "n43-two-accounts.n43|2026-03-02")}));
        QCOMPARE(linkRows(*db),
                 (QStringList{QStringLiteral("1|Banco|TRANSFERENCIA A JUAN"),
                              QStringLiteral("1|Banco|INGRESO EFECTIVO"),
                              QString::fromUtf8("2|Efectivo|Intereses, comisiones, custodia, "
                                                "gastos e impuestos"),
                              QStringLiteral("2|Efectivo|CAJERO CALLE MAYOR"),
                              QString::fromUtf8("2|Efectivo|DEVOLUCIÓN HACIENDA")}));
    }

    void undoAndRedoOfTheImportTakeTheStatements() {
        test::TestWorkArea area;
        auto db = area.open();
        const QString before = test::storedRows(*db);
        importTwoAccounts(*db);
        const QStringList statements = statementRows(*db);
        const QStringList links = linkRows(*db);
        const auto step = history::stepToUndo(*db);
        QVERIFY(step);
        history::undoStep(*db, *step);
        QCOMPARE(statementRows(*db), QStringList());
        QCOMPARE(query(*db, QStringLiteral("SELECT count(*) FROM ExtractoMovimientos")),
                 QStringList{QStringLiteral("0")});
        QCOMPARE(test::storedRows(*db), before);
        const auto redo = history::stepToRedo(*db);
        QVERIFY(redo);
        history::redoStep(*db, *redo);
        QCOMPARE(statementRows(*db), statements);
        QCOMPARE(linkRows(*db), links);
    }

    void aStatementThatBroughtNothingIsNotKeptAgain() {
        test::TestWorkArea area;
        auto db = area.open();
        importTwoAccounts(*db);
        // The same file again: every row is a probable duplicate.
        QCOMPARE(importTwoAccounts(*db).stored, 0);
        QCOMPARE(statementRows(*db).size(), 2);
    }

    void aZeroAmountIsListedUnticked() {
        test::TestWorkArea area;
        auto db = area.open();
        const LoadedStatement loaded =
            loadStatement(fixture(QStringLiteral("n43-zero-amount.n43")));
        const QVector<PlannedRow> plan = planImport(*db, loaded.result.rows);
        QCOMPARE(plan.at(0).ticked, true);
        QCOMPARE(plan.at(1).ticked, false);
        QCOMPARE(plan.at(1).duplicate, false);
        QVERIFY(plan.at(1).duplicateReason.startsWith(QStringLiteral("Importe 0")));
        QCOMPARE(plan.at(2).ticked, true);
        ImportTarget target;
        target.account = QStringLiteral("Banco");
        target.statements = loaded.statements;
        target.fileName = QStringLiteral("cero.n43");
        QCOMPARE(writeImport(*db, plan, target).stored, 2);
        QCOMPARE(query(*db, QStringLiteral("SELECT count(*) FROM ExtractoMovimientos")),
                 QStringList{QStringLiteral("2")});
        QCOMPARE(statementRows(*db),
                 QStringList{QStringLiteral("Banco|2026-04-01|2026-04-30|0.0|10.0|cero.n43|"
                                            "2026-03-02")});
    }

    void anOfxLedgerBalanceIsItsStatement() {
        test::TestWorkArea area;
        auto db = area.open();
        const LoadedStatement loaded = loadStatement(fixture(QStringLiteral("banco-ofx1.ofx")));
        QCOMPARE(loaded.statements.size(), 1);
        QCOMPARE(loaded.statements.front().bankAccount, QStringLiteral("123-456"));
        ImportTarget target;
        target.account = QStringLiteral("Banco");
        target.statements = loaded.statements;
        target.fileName = QStringLiteral("banco-ofx1.ofx");
        const int stored = writeImport(*db, planImport(*db, loaded.result.rows), target).stored;
        QCOMPARE(statementRows(*db),
                 QStringList{QStringLiteral("Banco|2024-01-01|2024-01-31|NULL|137654.5|"
                                            "banco-ofx1.ofx|2026-03-02")});
        QCOMPARE(linkRows(*db).size(), stored);
    }

    void aBankAccountGoesWhereItWentLastTime() {
        QSettings(QStringLiteral("Tesorin"), QStringLiteral("Tesorin")).clear();
        LoadedStatement loaded = loadStatement(fixture(QStringLiteral("n43-two-accounts.n43")));
        const QStringList chart{QStringLiteral("Banco"), QStringLiteral("Efectivo")};
        QCOMPARE(assignRememberedAccounts(loaded.statements, chart),
                 (QStringList{QStringLiteral("0049-1500-1111111111"),
                              QStringLiteral("0049-1500-2222222222")}));
        rememberStatementAccount(QStringLiteral("0049-1500-1111111111"), QStringLiteral("banco"));
        // An account since removed from the chart is asked again.
        rememberStatementAccount(QStringLiteral("0049-1500-2222222222"), QStringLiteral("Caja"));
        QCOMPARE(assignRememberedAccounts(loaded.statements, chart),
                 QStringList{QStringLiteral("0049-1500-2222222222")});
        QCOMPARE(loaded.statements.at(0).account, QStringLiteral("Banco"));
        QCOMPARE(loaded.statements.at(1).account, QString());
    }

    void theCommandLineTakesTheRememberedAccounts() {
        QSettings(QStringLiteral("Tesorin"), QStringLiteral("Tesorin")).clear();
        test::TestWorkArea area;
        const QString path = area.path(QStringLiteral("n43-two-accounts.n43"));
        QVERIFY(QFile::copy(QStringLiteral(EXCHANGE_FIXTURES "/n43-two-accounts.n43"), path));
        const auto run = [&](QString& messages) {
            QString out;
            QTextStream outStream(&out);
            QTextStream errStream(&messages);
            return runExchangeCommand({QStringLiteral("tesorin"), QStringLiteral("--importar"),
                                       path, QStringLiteral("--cuenta"), QStringLiteral("Banco")},
                                      outStream, errStream);
        };
        QString refusal;
        QCOMPARE(run(refusal), 2);
        QCOMPARE(refusal.trimmed(),
                 QString::fromUtf8("El archivo tiene 2 cuentas bancarias y no se sabe a qué cuenta "
                                   "van las de 0049-1500-1111111111, 0049-1500-2222222222: "
                                   "impórtelo una vez desde «Archivo» > «Importar movimientos...» "
                                   "para elegirlas; no se guardó nada."));
        QCOMPARE(query(*area.open(), QStringLiteral("SELECT count(*) FROM Movimientos")),
                 QStringList{QStringLiteral("0")});
        rememberStatementAccount(QStringLiteral("0049-1500-1111111111"),
                                 QStringLiteral("Efectivo"));
        rememberStatementAccount(QStringLiteral("0049-1500-2222222222"), QStringLiteral("Banco"));
        QString messages;
        QCOMPARE(run(messages), 0);
        auto db = area.open();
        QCOMPARE(query(*db, QStringLiteral("SELECT Cuenta, count(*) FROM Movimientos GROUP BY "
                                           "Cuenta ORDER BY Cuenta")),
                 (QStringList{QStringLiteral("Banco|3"), QStringLiteral("Efectivo|2")}));
        QCOMPARE(query(*db, QStringLiteral("SELECT Cuenta, Archivo FROM Extractos ORDER BY "
                                           "idExtracto")),
                 (QStringList{QStringLiteral("Efectivo|n43-two-accounts.n43"),
                              QStringLiteral("Banco|n43-two-accounts.n43")}));
    }
};

TESORIN_TEST_MAIN(TestStatementRecords)
#include "tst_statement_records.moc"
