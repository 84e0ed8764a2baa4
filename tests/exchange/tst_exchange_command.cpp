// tesorin --importar and --exportar, without a window.
#include "exchange/core/ExchangeCommand.h"
#include "exchange/core/ExchangeError.h"
#include "exchange/core/ExchangeMessages.h"
#include "exchange/core/ImportPlan.h"
#include "exchange/core/StatementImport.h"
#include "store/Database.h"
#include "support/TestWorkArea.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace tesorin;

namespace {

struct Run {
    int code = 0;
    QString out;
    QString err;
};

Run run(const QStringList& arguments) {
    Run r;
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    r.code =
        exchange::runExchangeCommand(QStringList{QStringLiteral("tesorin")} + arguments, out, err);
    return r;
}

int storedCount(store::Database& db) {
    store::Statement q = db.prepare(QStringLiteral("SELECT count(*) FROM Movimientos"));
    q.step();
    return int(q.int64(0));
}

} // namespace

class TestExchangeCommand : public QObject {
    Q_OBJECT
    QTemporaryDir m_settings;

    QString statement(const test::TestWorkArea& area, const QByteArray& bytes) {
        const QString path = area.path(QStringLiteral("extracto.csv"));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return path;
    }

private slots:
    void initTestCase() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
    }

    void importTwiceSkipsTheDuplicates() {
        test::TestWorkArea area;
        // No header: the columns are named on the command line.
        const QString path =
            statement(area, "x;01/03/2024;Sueldo;1.000,00\nx;02/03/2024;Luz;-250,00\n");
        const QStringList args = {"--importar", path, "--cuenta",  "Banco", "--fecha", "2",
                                  "--detalle",  "3",  "--importe", "4",     "--medio", "Banco Sur"};
        Run first = run(args);
        QCOMPARE(first.code, 0);
        QVERIFY2(first.out.contains(QStringLiteral("--fecha 2 --detalle 3 --importe 4")),
                 qPrintable(first.out));
        QVERIFY(first.out.contains(
            QString::fromUtf8("Se guardaron 2 movimientos en «BASE.MDB»; se omitieron 0")));
        Run second = run(args);
        QCOMPARE(second.code, 0);
        QVERIFY(second.out.contains(
            QString::fromUtf8("Se guardaron 0 movimientos en «BASE.MDB»; se omitieron 2")));
        QVERIFY(second.out.contains(QStringLiteral("Línea 1 omitida: Posible duplicado")));
        // Each import first took a copy of the work area.
        QCOMPARE(QDir(area.path(QStringLiteral("copias")))
                     .entryList({QStringLiteral("*.MDB")}, QDir::Files)
                     .size(),
                 2);
        auto db = area.open();
        QCOMPARE(storedCount(*db), 2);
        store::Statement q = db->prepare(QStringLiteral("SELECT Tipo FROM Movimientos"));
        QVERIFY(q.step());
        QCOMPARE(q.text(0), QStringLiteral("Banco Sur"));
    }

    void noCopyNoImport() {
        test::TestWorkArea area;
        const QString path = statement(area, "x;01/03/2024;Sueldo;1.000,00\n");
        // A file where the copies' folder should be: no copy can be taken.
        QFile blocker(area.path(QStringLiteral("copias")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const Run r = run({"--importar", path, "--cuenta", "Banco", "--fecha", "2", "--detalle",
                           "3", "--importe", "4"});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.startsWith(QString::fromUtf8(
                     "No se pudo hacer la copia de seguridad de la caja «BASE.MDB»")),
                 qPrintable(r.err));
        QVERIFY(r.err.contains(QStringLiteral("No se importó ningún movimiento.")));
        auto db = area.open();
        QCOMPARE(storedCount(*db), 0);
    }

    void rolesGivenOnceAreRememberedForTheShape() {
        test::TestWorkArea area;
        const QString first = statement(area, "x;01/03/2024;Sueldo;1.000,00\n");
        QCOMPARE(run({"--importar", first, "--cuenta", "Banco", "--fecha", "2", "--detalle", "3",
                      "--importe", "4"})
                     .code,
                 0);
        // The next statement of that bank names no columns.
        const QString second = statement(area, "y;05/03/2024;Agua;-80,00\n");
        const Run r = run({"--importar", second, "--cuenta", "Banco"});
        QCOMPARE(r.code, 0);
        QVERIFY2(r.out.contains(QStringLiteral("--detalle 3 --importe 4")), qPrintable(r.out));
        store::Statement q = area.open()->prepare(
            QStringLiteral("SELECT Detalle FROM Movimientos ORDER BY idMovimiento"));
        QVERIFY(q.step() && q.step());
        QCOMPARE(q.text(0), QStringLiteral("Agua"));
    }

    void refusals_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        const QByteArray good(
            "Fecha;Concepto;Importe\n01/03/2024;Sueldo;1.000,00\n02/03/2024;Luz;-250,00\n");
        QTest::newRow("a row that does not read")
            << QByteArray("Fecha;Concepto;Importe\n01/03/2024;Bien;1,00\n02/03/2024;Mal;uno\n")
            << QStringList{"--cuenta", "Banco"} << 2
            << QString::fromUtf8("Línea 3: Importe no reconocido: «uno».");
        QTest::newRow("an account of one direction for both")
            << good << QStringList{"--cuenta", "Sueldo"} << 2
            << QString::fromUtf8("La cuenta «Sueldo» no sirve");
        QTest::newRow("no account")
            << good << QStringList{} << 2 << QStringLiteral("--importar necesita --cuenta");
        QTest::newRow("both amount forms")
            << good
            << QStringList{"--cuenta", "Banco", "--importe", "3", "--ingreso", "2", "--egreso", "3"}
            << 2 << QStringLiteral("no ambos");
        QTest::newRow("column zero") << good << QStringList{"--cuenta", "Banco", "--fecha", "0"}
                                     << 2 << QStringLiteral("desde 1");
        QTest::newRow("empty file") << QByteArray() << QStringList{"--cuenta", "Banco"} << 1
                                    << QString::fromUtf8("El archivo está vacío");
    }
    void refusals() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, extra);
        QFETCH(int, code);
        QFETCH(QString, message);
        test::TestWorkArea area;
        const Run r = run(QStringList{"--importar", statement(area, bytes)} + extra);
        QCOMPARE(r.code, code);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QCOMPARE(storedCount(*area.open()), 0);
    }

    // What the dialog can choose, the command line can say.
    void columnOptions_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("stored"); // Fecha|Cuenta|Detalle|Tipo|Ingreso|Egreso
        QTest::newRow("debit/credit column")
            << QByteArray("Fecha;Concepto;Importe;Tipo\n01/03/2024;Luz;250,00;D\n"
                          "02/03/2024;Sueldo;1.000,00;C\n")
            << QStringList{"--cuenta", "Banco", "--importe", "3", "--debito-credito", "4"}
            << QStringList{"2024-03-01|Banco|Luz|Importado|0|250",
                           "2024-03-02|Banco|Sueldo|Importado|1000|0"};
        QTest::newRow("account and medium from columns")
            << QByteArray("Fecha;Concepto;Importe;Cta;Medio\n01/03/2024;Luz;-250,00;Servicios;"
                          "Tarjeta\n02/03/2024;Sueldo;1.000,00;Sueldo;Cheques\n")
            << QStringList{"--cuenta-columna", "4", "--medio-columna", "5"}
            << QStringList{"2024-03-01|Servicios|Luz|Tarjeta|0|250",
                           "2024-03-02|Sueldo|Sueldo|Cheques|1000|0"};
        // A first row that reads like data taken for the header, and back.
        QTest::newRow("no header") << QByteArray("01/03/2024;Luz;-250,00\n02/03/2024;Agua;-80,00\n")
                                   << QStringList{"--cuenta", "Banco", "--sin-encabezado"}
                                   << QStringList{"2024-03-01|Banco|Luz|Importado|0|250",
                                                  "2024-03-02|Banco|Agua|Importado|0|80"};
        QTest::newRow("header") << QByteArray("Dia;Texto;Monto\n01/03/2024;Luz;-250,00\n")
                                << QStringList{"--cuenta",  "Banco", "--encabezado", "--fecha", "1",
                                               "--detalle", "2",     "--importe",    "3"}
                                << QStringList{"2024-03-01|Banco|Luz|Importado|0|250"};
    }
    void columnOptions() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, options);
        QFETCH(QStringList, stored);
        test::TestWorkArea area;
        const Run r = run(QStringList{"--importar", statement(area, bytes)} + options);
        QVERIFY2(r.code == 0, qPrintable(r.err));
        store::Statement q = area.open()->prepare(
            QStringLiteral("SELECT Fecha, Cuenta, Detalle, Tipo, Ingreso, Egreso FROM Movimientos "
                           "ORDER BY idMovimiento"));
        QStringList rows;
        while (q.step())
            rows.append(QStringList{q.text(0), q.text(1), q.text(2), q.text(3),
                                    QString::number(q.real(4)), QString::number(q.real(5))}
                            .join(u'|'));
        QCOMPARE(rows, stored);
    }

    // A message that asks for a choice says which option makes it.
    void aChoiceNamesItsOption_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("message");
        QTest::newRow("no text column")
            << QByteArray("01/03/2024;1,00\n02/03/2024;2,00\n") << QStringList{"--cuenta", "Banco"}
            << QStringLiteral("indique --detalle N.");
        QTest::newRow("debit/credit column beyond the table")
            << QByteArray("Fecha;Concepto;Importe\n01/03/2024;Luz;250,00\n")
            << QStringList{"--cuenta", "Banco", "--debito-credito", "9"}
            << QStringLiteral("indique --debito-credito N.");
        QTest::newRow("account twice")
            << QByteArray("Fecha;Concepto;Importe\n01/03/2024;Luz;250,00\n")
            << QStringList{"--cuenta", "Banco", "--cuenta-columna", "2"}
            << QStringLiteral("Use --cuenta o bien --cuenta-columna, no ambos.");
        QTest::newRow("columns of a file that has none")
            << QByteArray("!Type:Bank\nD03/01/2024\nT-1.00\nPLuz\n^\n")
            << QStringList{"--cuenta", "Banco", "--medio-columna", "2"}
            << QStringLiteral("son para archivos CSV; este no lo es.");
        QTest::newRow("accounts the work area lacks")
            << QByteArray("Fecha;Concepto;Importe;Cta\n01/03/2024;Luz;-250,00;Luz y gas\n")
            << QStringList{"--cuenta-columna", "4"} << QString::fromUtf8("no tiene: Luz y gas.");
    }
    void aChoiceNamesItsOption() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, options);
        QFETCH(QString, message);
        test::TestWorkArea area;
        const Run r = run(QStringList{"--importar", statement(area, bytes)} + options);
        QCOMPARE(r.code, 2);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QCOMPARE(storedCount(*area.open()), 0);
    }

    // Counts read in the regional form, in singular or plural.
    void countsInTheMessages_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("skipped");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("unreadable");
        QTest::newRow("one and one")
            << 1 << 1
            << QString::fromUtf8(
                   "Se guardó 1 movimiento en «BASE.MDB»; se omitió 1 posible duplicado.")
            << QStringLiteral("1 fila no se puede leer");
        QTest::newRow("none")
            << 0 << 0
            << QString::fromUtf8(
                   "Se guardaron 0 movimientos en «BASE.MDB»; se omitieron 0 posibles duplicados.")
            << QStringLiteral("0 filas no se pueden leer");
        QTest::newRow("thousands")
            << 100000 << 1234
            << QString::fromUtf8("Se guardaron 100.000 movimientos en «BASE.MDB»; se omitieron "
                                 "1.234 posibles duplicados.")
            << QStringLiteral("100.000 filas no se pueden leer");
    }
    void countsInTheMessages() {
        QFETCH(int, stored);
        QFETCH(int, skipped);
        QFETCH(QString, text);
        QFETCH(QString, unreadable);
        exchange::ImportOutcome outcome;
        outcome.stored = stored;
        outcome.skipped = skipped;
        QCOMPARE(exchange::importDoneText(outcome, QStringLiteral("BASE.MDB")), text);
        QCOMPARE(exchange::unreadableRowsText(stored), unreadable);
    }

    // Whatever file the dialog opens ready to import (roles detected, every
    // row read), the command line imports with nothing but --cuenta.
    void everyBankFileTheDialogReads_data() {
        QTest::addColumn<QString>("path");
        const QDir files(QStringLiteral(EXCHANGE_FIXTURES "/bank-files"));
        for (const QString& name : files.entryList(QDir::Files, QDir::Name))
            if (!name.endsWith(QLatin1String(".md")))
                QTest::newRow(qPrintable(name)) << files.filePath(name);
    }
    void everyBankFileTheDialogReads() {
        QFETCH(QString, path);
        test::TestWorkArea area;
        int expected = 0;
        try {
            const exchange::LoadedStatement loaded =
                exchange::loadStatement(exchange::readStatementBytes(path));
            const bool ready =
                loaded.mappingProblem.isEmpty() &&
                std::all_of(loaded.result.rows.begin(), loaded.result.rows.end(),
                            [](const exchange::ImportRow& r) { return r.readable(); });
            if (!ready)
                QSKIP("the dialog asks for a choice or shows rows that do not read");
            auto db = area.open();
            for (const exchange::PlannedRow& p : exchange::planImport(*db, loaded.result.rows))
                expected += p.ticked ? 1 : 0;
        } catch (const exchange::ExchangeError&) {
            QSKIP("the file is refused before any dialog opens");
        }
        const Run r = run({"--importar", path, "--cuenta", "Banco"});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QCOMPARE(storedCount(*area.open()), expected);
    }

    void exportTheRowsTheViewFilterWouldShow() {
        test::TestWorkArea area;
        {
            auto db = area.open();
            test::addMovement(*db, QDate(2024, 2, 28), "Banco", "Antes", test::money("1"), Money{});
            test::addMovement(*db, QDate(2024, 3, 1), "Banco", "Dentro", test::money("2"), Money{});
            test::addMovement(*db, QDate(2024, 3, 2), "Sueldo", "Otra cuenta", test::money("3"),
                              Money{});
            test::addMovement(*db, QDate(2024, 3, 31), "Banco", "Ultimo dia", Money{},
                              test::money("4"));
        }
        const QString out = area.path(QStringLiteral("marzo.csv"));
        const Run r = run({"--exportar", out, "--cuenta", "Banco", "--desde", "01/03/2024",
                           "--hasta", "2024-03-31"});
        QCOMPARE(r.code, 0);
        QVERIFY(r.out.contains(QStringLiteral("Se exportaron 2 movimientos")));
        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines =
            QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(lines.mid(1), (QStringList{"1/3/2024;Banco;Dentro;Efectivo;2;0",
                                            "31/3/2024;Banco;Ultimo dia;Efectivo;0;4"}));
    }

    void exportOfAnAccountThatDoesNotExistWritesNothing() {
        test::TestWorkArea area;
        {
            auto db = area.open();
            test::addMovement(*db, QDate(2024, 3, 1), "Banco", "Dentro", test::money("2"), Money{});
        }
        const QString out = area.path(QStringLiteral("x.csv"));
        const Run r = run({"--exportar", out, "--cuenta", "NoExiste"});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains(QString::fromUtf8("La cuenta «NoExiste» no existe")),
                 qPrintable(r.err));
        QVERIFY(!QFile::exists(out));
    }
};

TESORIN_TEST_MAIN(TestExchangeCommand)
#include "tst_exchange_command.moc"
