// Rows read from a statement going into a work area: directions, accounts,
// duplicates, bank ids, one transaction, cancelling.
#include "exchange/core/ColumnMapping.h"
#include "exchange/core/CsvTable.h"
#include "exchange/core/ExchangeError.h"
#include "exchange/core/ImportPlan.h"
#include "exchange/core/OfxReader.h"
#include "store/Database.h"
#include "support/TestWorkArea.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace tesorin;
using namespace tesorin::exchange;

namespace {

const QByteArray kBankCsv("Fecha;Concepto;Importe\n02/01/2024;Cobro factura 12;1.500,00\n"
                          "03/01/2024;Pago luz;-320,50\n04/01/2024;Comisión;0,00\n");

QVector<ImportRow> csvRows(const QByteArray& bytes) {
    const CsvTable table = readCsvTable(bytes);
    return applyMapping(table, guessMapping(table));
}

QByteArray fixture(const char* name) {
    QFile file(QStringLiteral(EXCHANGE_FIXTURES "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", name);
    return file.readAll();
}

// "date|account|detail|Ingreso|Egreso|medium" per stored movement, by id.
QStringList stored(store::Database& db) {
    QStringList rows;
    store::Statement q =
        db.prepare(QStringLiteral("SELECT Fecha, Cuenta, Detalle, Ingreso, Egreso, Tipo FROM "
                                  "Movimientos ORDER BY idMovimiento"));
    while (q.step())
        rows.append(QStringLiteral("%1|%2|%3|%4|%5|%6")
                        .arg(q.text(0), q.text(1), q.text(2))
                        .arg(q.real(3))
                        .arg(q.real(4))
                        .arg(q.text(5)));
    return rows;
}

int ticked(const QVector<PlannedRow>& plan) {
    int n = 0;
    for (const PlannedRow& p : plan)
        n += p.ticked ? 1 : 0;
    return n;
}

} // namespace

class TestImportPlan : public QObject {
    Q_OBJECT
private slots:
    void rowsGoInByTheirSign() {
        test::TestWorkArea area;
        auto db = area.open();
        const QVector<PlannedRow> plan = planImport(*db, csvRows(kBankCsv));
        ImportTarget target;
        target.account = QStringLiteral("Banco");
        const ImportOutcome outcome = writeImport(*db, plan, target);
        QCOMPARE(outcome.stored, 3);
        QCOMPARE(
            stored(*db),
            (QStringList{QString::fromUtf8("2024-01-02|Banco|Cobro factura 12|1500|0|Importado"),
                         QString::fromUtf8("2024-01-03|Banco|Pago luz|0|320.5|Importado"),
                         QString::fromUtf8("2024-01-04|Banco|Comisión|0|0|Importado")}));
    }

    void theSameFileTwiceAddsNothing() {
        test::TestWorkArea area;
        auto db = area.open();
        ImportTarget target;
        target.account = QStringLiteral("Banco");
        writeImport(*db, planImport(*db, csvRows(kBankCsv)), target);
        const QVector<PlannedRow> again = planImport(*db, csvRows(kBankCsv));
        QCOMPARE(ticked(again), 0);
        QVERIFY(again.front().duplicateReason.contains(QStringLiteral("misma fecha")));
        QCOMPARE(writeImport(*db, again, target).stored, 0);
        QCOMPARE(stored(*db).size(), 3);
    }

    void aRepeatedRowOfTheFileIsLeftOut() {
        test::TestWorkArea area;
        auto db = area.open();
        const QVector<PlannedRow> plan = planImport(
            *db, csvRows("Fecha;Concepto;Importe\n02/01/2024;Café;-1,00\n02/01/2024;Café;-1,00\n"
                         "02/01/2024;Café;-2,00\n"));
        QCOMPARE(plan.at(0).ticked, true);
        QCOMPARE(plan.at(1).duplicate, true);
        QVERIFY(plan.at(1).duplicateReason.contains(QStringLiteral("fila anterior")));
        QCOMPARE(plan.at(2).ticked, true);
    }

    void anOverlappingOfxStatementAddsOnlyNewTransactions() {
        test::TestWorkArea area;
        auto db = area.open();
        ImportTarget target;
        target.account = QStringLiteral("Banco");
        // The first statement ends before the last transaction.
        QString earlier = QString::fromLatin1(fixture("banco-ofx1.ofx"));
        earlier.remove(
            QRegularExpression(QStringLiteral("<STMTTRN>\\s*<TRNTYPE>CHECK.*?</STMTTRN>\\s*"),
                               QRegularExpression::DotMatchesEverythingOption));
        QCOMPARE(writeImport(*db, planImport(*db, readOfx(earlier.toLatin1()).rows), target).stored,
                 2);
        // The bank renamed a transaction; its id still says it is the same.
        QByteArray full = fixture("banco-ofx1.ofx");
        full.replace("<NAME>Sueldo enero", "<NAME>SUELDO ENERO 2024");
        const QVector<PlannedRow> plan = planImport(*db, readOfx(full).rows);
        QCOMPARE(plan.at(0).duplicate, true);
        QVERIFY(plan.at(0).duplicateReason.contains(QStringLiteral("identificador")));
        QCOMPARE(plan.at(2).ticked, true);
        QCOMPARE(writeImport(*db, plan, target).stored, 1);
        QCOMPARE(stored(*db).size(), 3);
        // A movement deleted afterwards comes in again with its transaction.
        db->exec(QStringLiteral("DELETE FROM Movimientos WHERE Detalle = 'Alquiler - N.º 4711'"));
        QCOMPARE(ticked(planImport(*db, readOfx(full).rows)), 1);
    }

    void accountsOfferedFitTheRowsDirections_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("offered");
        QTest::newRow("incomes only") << QByteArray("02/01/2024;A;1,00\n03/01/2024;B;2,00\n")
                                      << QStringList{"Sueldo", "Honorarios", "Banco", "Efectivo"};
        QTest::newRow("payments only")
            << QByteArray("02/01/2024;A;-1,00\n03/01/2024;B;-2,00\n")
            << QStringList{"Alquiler", "Supermercado", "Servicios", "Banco", "Efectivo"};
        QTest::newRow("both") << QByteArray("02/01/2024;A;1,00\n03/01/2024;B;-2,00\n")
                              << QStringList{"Banco", "Efectivo"};
    }
    void accountsOfferedFitTheRowsDirections() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, offered);
        test::TestWorkArea area;
        auto db = area.open();
        QCOMPARE(accountsFittingRows(*db, planImport(*db, csvRows(bytes))), offered);
    }

    void unknownAccountsAreCreatedOnlyWhenAgreed() {
        test::TestWorkArea area;
        auto db = area.open();
        const QVector<PlannedRow> plan = planImport(
            *db, csvRows("Fecha;Concepto;Importe;Cuenta\n02/01/2024;Cena;-50,00;Salidas\n"
                         "03/01/2024;Sueldo;900,00;sueldo\n04/01/2024;Cine;-20,00;Salidas\n"));
        QCOMPARE(unknownAccounts(*db, plan), QStringList{QStringLiteral("Salidas")});
        ImportTarget target;
        target.accountFromFile = true;
        try {
            writeImport(*db, plan, target);
            QFAIL("an unknown account was accepted");
        } catch (const ExchangeError& e) {
            QCOMPARE(
                e.message(),
                QString::fromUtf8("Línea 2: la cuenta «Salidas» no está en el plan de cuentas."));
        }
        QVERIFY(stored(*db).isEmpty());
        target.accountsToCreate.insert(QStringLiteral("Salidas"), QStringLiteral("OU"));
        QCOMPARE(writeImport(*db, plan, target).stored, 3);
        store::Statement type =
            db->prepare(QStringLiteral("SELECT Tipo FROM Cuentas WHERE Nombre = 'Salidas'"));
        QVERIFY(type.step());
        QCOMPARE(type.text(0), QStringLiteral("OU"));
        // A name in other letters is the chart's account, spelt as the chart has it.
        QCOMPARE(stored(*db).at(1).section(u'|', 1, 1), QStringLiteral("Sueldo"));
    }

    void cancellingWritesNothing() {
        test::TestWorkArea area;
        auto db = area.open();
        QByteArray many("Fecha;Concepto;Importe\n");
        for (int i = 0; i < 1200; ++i)
            many += "02/01/2024;Fila " + QByteArray::number(i) + ";-1,00\n";
        ImportTarget target;
        target.account = QStringLiteral("Banco");
        int calls = 0;
        const ImportOutcome outcome =
            writeImport(*db, planImport(*db, csvRows(many)), target, [&](int done, int total) {
                ++calls;
                return done < total / 2;
            });
        QVERIFY(outcome.cancelled);
        QCOMPARE(outcome.stored, 0);
        QVERIFY(calls >= 2);
        QVERIFY(stored(*db).isEmpty());
    }

    void anUnreadableRowTickedByHandStopsEverything() {
        test::TestWorkArea area;
        auto db = area.open();
        QVector<PlannedRow> plan = planImport(
            *db, csvRows("Fecha;Concepto;Importe\n02/01/2024;Bien;1,00\n03/01/2024;Mal;uno\n"));
        QCOMPARE(plan.at(1).ticked, false);
        plan[1].ticked = true;
        ImportTarget target;
        target.account = QStringLiteral("Banco");
        QVERIFY_THROWS_EXCEPTION(ExchangeError, writeImport(*db, plan, target));
        QVERIFY(stored(*db).isEmpty());
    }
};

TESORIN_TEST_MAIN(TestImportPlan)
#include "tst_import_plan.moc"
