// Importing a bank CSV of 100 000 rows into a fresh work area (reading,
// column roles, duplicate check and the write), against sqlite3's own .import
// of the same rows into the same table; and exporting 100 000 movements of
// the view to .xlsx.
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

    long stored = 0;
    const double ms = bench::medianMs(
        [&] {
            auto db = store::Database::openFile(areaPath, QStringLiteral("IMPORTA.MDB"));
            exchange::StatementOptions options;
            options.useRemembered = false;
            const exchange::LoadedStatement loaded =
                exchange::loadStatement(exchange::readStatementBytes(bankCsv), options);
            const QVector<exchange::PlannedRow> plan =
                exchange::planImport(*db, loaded.result.rows);
            exchange::ImportTarget target;
            target.account = QStringLiteral("Banco");
            stored = exchange::writeImport(*db, plan, target).stored;
        },
        3, [&] { freshWorkArea(areaPath); });
    if (stored != kRows)
        qFatal("import_csv stored %ld rows", stored);
    const double baseline = bench::medianMs(
        [&] {
            QProcess sqlite;
            sqlite.start(QStringLiteral("sqlite3"),
                         {areaPath, QStringLiteral(".mode csv"), QStringLiteral(".separator ;"),
                          QStringLiteral(".import ") + plainCsv + QStringLiteral(" Movimientos")});
            if (!sqlite.waitForFinished(600000) || sqlite.exitCode() != 0)
                qFatal("sqlite3 .import failed: %s", sqlite.readAllStandardError().constData());
        },
        3, [&] { freshWorkArea(areaPath); });
    bench::report(QStringLiteral("import_csv"), kRows, ms, baseline);
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
