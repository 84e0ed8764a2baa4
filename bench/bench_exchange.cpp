// Importing a bank CSV of 100 000 rows into a fresh work area (reading,
// column roles, duplicate check and the write), against sqlite3's own .import
// of the same rows into the same table; and exporting 100 000 movements of
// the view to .xlsx. A Norma 43 file of 100 000 movements, too.
#include "bench/Bench.h"
#include "exchange/core/ExportRows.h"
#include "exchange/core/ExportWriters.h"
#include "exchange/core/ImportPlan.h"
#include "exchange/core/StatementImport.h"
#include "store/DataControl.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "store/WorkAreaFolder.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr long kRows = 100000;

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

void freshWorkArea(const QString& path) {
    QFile::remove(path);
    tesorin::store::createWorkAreaFile(path);
}

// The median time of reading a statement file and writing its rows (and the
// statements it brings) into a fresh work area, as the import does.
double importMs(const QString& areaPath, const QString& bankFile, const char* name) {
    using namespace tesorin;
    long stored = 0;
    const double ms = bench::medianMs(
        [&] {
            auto db = store::Database::openFile(areaPath, QStringLiteral("IMPORTA.MDB"));
            exchange::StatementOptions options;
            options.useRemembered = false;
            const exchange::LoadedStatement loaded =
                exchange::loadStatement(exchange::readStatementBytes(bankFile), options);
            const QVector<exchange::PlannedRow> plan =
                exchange::planImport(*db, loaded.result.rows);
            exchange::ImportTarget target;
            target.account = QStringLiteral("Banco");
            target.statements = loaded.statements;
            target.fileName = QFileInfo(bankFile).fileName();
            stored = exchange::writeImport(*db, plan, target).stored;
        },
        3, [&] { freshWorkArea(areaPath); });
    if (stored != kRows)
        qFatal("%s stored %ld rows", name, stored);
    return ms;
}

// The median time of sqlite3's own .import of the same rows into the table.
double sqliteImportMs(const QString& areaPath, const QString& plainCsv) {
    return tesorin::bench::medianMs(
        [&] {
            QProcess sqlite;
            sqlite.start(QStringLiteral("sqlite3"),
                         {areaPath, QStringLiteral(".mode csv"), QStringLiteral(".separator ;"),
                          QStringLiteral(".import ") + plainCsv + QStringLiteral(" Movimientos")});
            if (!sqlite.waitForFinished(600000) || sqlite.exitCode() != 0)
                qFatal("sqlite3 .import failed: %s", sqlite.readAllStandardError().constData());
        },
        3, [&] { freshWorkArea(areaPath); });
}

} // namespace

TESORIN_BENCH(import_csv) {
    using namespace tesorin;
    Q_UNUSED(context);
    QTemporaryDir dir;
    const QString bankCsv = dir.filePath(QStringLiteral("banco.csv"));
    const QString plainCsv = dir.filePath(QStringLiteral("plano.csv"));
    const QString areaPath = dir.filePath(QStringLiteral("IMPORTA.MDB"));
    QByteArray bank("Fecha;Concepto;Importe\n");
    QByteArray plain;
    const QDate start(2015, 1, 1);
    for (long i = 0; i < kRows; ++i) {
        const QDate day = start.addDays(i / 30);
        const long cents = (i * 7919) % 10000000 + 1;
        const bool payment = i % 3 != 0;
        const QByteArray detail = "Movimiento " + QByteArray::number(qlonglong(i));
        const QByteArray amount = QByteArray::number(qlonglong(cents / 100)) + ',' +
                                  QByteArray::number(qlonglong(cents % 100)).rightJustified(2, '0');
        bank += day.toString(QStringLiteral("dd/MM/yyyy")).toLatin1() + ';' + detail + ';' +
                (payment ? "-" : "") + amount + '\n';
        const QByteArray plainAmount = QByteArray(amount).replace(',', '.');
        plain += QByteArray::number(qlonglong(i + 1)) + ';' + day.toString(Qt::ISODate).toLatin1() +
                 ";Banco;" + detail + ";Importado;" +
                 (payment ? "0;" + plainAmount : plainAmount + ";0") + '\n';
    }
    writeFile(bankCsv, bank);
    writeFile(plainCsv, plain);

    const double ms = importMs(areaPath, bankCsv, "import_csv");
    const double baseline = sqliteImportMs(areaPath, plainCsv);
    bench::report(QStringLiteral("import_csv"), kRows, ms, baseline);
}

// A Norma 43 file of one account with kRows movements, each with a concept
// line, imported with its statement, against the same .import baseline.
TESORIN_BENCH(import_n43) {
    using namespace tesorin;
    Q_UNUSED(context);
    QTemporaryDir dir;
    const QString bankFile = dir.filePath(QStringLiteral("banco.n43"));
    const QString plainCsv = dir.filePath(QStringLiteral("plano.csv"));
    const QString areaPath = dir.filePath(QStringLiteral("IMPORTA.MDB"));
    const auto digits = [](qlonglong value, int width) {
        return QByteArray::number(value).rightJustified(width, '0');
    };
    const QDate start(2015, 1, 1);
    QByteArray bank;
    QByteArray plain;
    qlonglong debits = 0, credits = 0;
    long debitCount = 0, creditCount = 0;
    QByteArray movements;
    for (long i = 0; i < kRows; ++i) {
        const QDate day = start.addDays(i / 30);
        const QByteArray yymmdd = day.toString(QStringLiteral("yyMMdd")).toLatin1();
        const qlonglong cents = (i * 7919) % 10000000 + 1;
        const bool payment = i % 3 != 0;
        (payment ? debits : credits) += cents;
        ++(payment ? debitCount : creditCount);
        const QByteArray detail = "Movimiento " + QByteArray::number(qlonglong(i));
        movements += "22    0901" + yymmdd + yymmdd + "03001" + (payment ? '1' : '2') +
                     digits(cents, 14) + QByteArray(38, '0') + '\n';
        movements += "2301" + detail.leftJustified(76, ' ') + '\n';
        const QByteArray amount = QByteArray::number(cents / 100) + '.' + digits(cents % 100, 2);
        plain += QByteArray::number(qlonglong(i + 1)) + ';' + day.toString(Qt::ISODate).toLatin1() +
                 ";Banco;" + detail + ";Importado;" + (payment ? "0;" + amount : amount + ";0") +
                 '\n';
    }
    const qlonglong closing = credits - debits;
    const QByteArray from = start.toString(QStringLiteral("yyMMdd")).toLatin1();
    const QByteArray to =
        start.addDays((kRows - 1) / 30).toString(QStringLiteral("yyMMdd")).toLatin1();
    bank += "1121000001012345678"
            "9" +
            from + to + '2' + digits(0, 14) + "9783" + QByteArray("BENCH").leftJustified(29, ' ') +
            '\n';
    bank += movements;
    bank += "33210000010123456789" + digits(debitCount, 5) + digits(debits, 14) +
            digits(creditCount, 5) + digits(credits, 14) + (closing < 0 ? '1' : '2') +
            digits(closing < 0 ? -closing : closing, 14) + "978    \n";
    bank += "88" + QByteArray(18, '9') + digits(2 * kRows + 2, 6) + QByteArray(54, ' ') + '\n';
    writeFile(bankFile, bank);
    writeFile(plainCsv, plain);

    const double ms = importMs(areaPath, bankFile, "import_n43");
    const double baseline = sqliteImportMs(areaPath, plainCsv);
    bench::report(QStringLiteral("import_n43"), kRows, ms, baseline);
}

TESORIN_BENCH(export_xlsx) {
    using namespace tesorin;
    Q_UNUSED(context);
    QTemporaryDir dir;
    const QString areaPath = dir.filePath(QStringLiteral("EXPORTA.MDB"));
    freshWorkArea(areaPath);
    {
        auto db = store::Database::openFile(areaPath, QStringLiteral("EXPORTA.MDB"));
        store::Transaction transaction(*db);
        store::Statement insert =
            db->prepare(QStringLiteral("INSERT INTO Movimientos (Fecha, Cuenta, Detalle, Tipo, "
                                       "Ingreso, Egreso) VALUES (?1, 'Banco', ?2, "
                                       "'Efectivo', ?3, ?4)"));
        for (long i = 0; i < kRows; ++i) {
            insert.reset();
            insert.bind(1, QDate(2015, 1, 1).addDays(i / 30));
            insert.bindText(2, QStringLiteral("Movimiento %1").arg(i));
            insert.bindDouble(3, i % 3 == 0 ? double(i % 100000) / 100 : 0.0);
            insert.bindDouble(4, i % 3 == 0 ? 0.0 : double(i % 100000) / 100);
            insert.run();
        }
        transaction.commit();
    }
    const QString previousFolder = store::workAreaFolder();
    store::setWorkAreaFolder(dir.path());
    const QString out = dir.filePath(QStringLiteral("movimientos.xlsx"));
    const double ms = bench::medianMs(
        [&] {
            store::DataControl data;
            data.setDatabaseName(QStringLiteral("EXPORTA.MDB"));
            data.setRecordSource(
                QStringLiteral("select * from movimientos order by fecha, cuenta"));
            data.Refresh();
            exchange::writeExport(out, exchange::viewRows(data), exchange::ExportFormat::Xlsx);
        },
        3);
    store::setWorkAreaFolder(previousFolder);
    bench::reportValue(QStringLiteral("export_xlsx"), kRows, QStringLiteral("ms"), ms);
}
