// Converting an old work area of 100.000 movements. The baseline is what the
// command-line tools do with the same file: mdb-export of the four tables and
// sqlite3's .import of what they wrote, measured in the same run.
#include "bench/Bench.h"
#include "oldworkareas/core/OldWorkAreaConversion.h"
#include "store/Schema.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// ./bench.sh passes the old file's path here.
const char* const kOldFileVariable = "TESORIN_BENCH_OLD_MDB";

void toolsConversion(const QString& oldFile, const QString& folder) {
    QString script;
    for (const QString& table : tesorin::store::requiredTables()) {
        const QString csv = QDir(folder).filePath(table + QStringLiteral(".csv"));
        QProcess exporter;
        exporter.setStandardOutputFile(csv);
        exporter.start(QStringLiteral("mdb-export"), {oldFile, table});
        exporter.waitForFinished(-1);
        script += QStringLiteral(".import --csv '%1' '%2'\n").arg(csv, table);
    }
    QProcess importer;
    importer.start(QStringLiteral("sqlite3"), {QDir(folder).filePath(QStringLiteral("tools.db"))});
    importer.waitForStarted(-1);
    importer.write(script.toUtf8());
    importer.closeWriteChannel();
    importer.waitForFinished(-1);
}

} // namespace

TESORIN_BENCH(convert_old_work_area) {
    // This measurement brings its own file instead of the generated work area.
    static_cast<void>(context);
    const QString oldFile = qEnvironmentVariable(kOldFileVariable);
    if (oldFile.isEmpty() || !QFile::exists(oldFile)) {
        std::printf("convert_old_work_area: omitido, no hay archivo del programa anterior "
                    "(./bench.sh --viejo ARCHIVO.MDB)\n");
        std::fflush(stdout);
        return;
    }
    std::unique_ptr<QTemporaryDir> dir;
    QString work;
    long movements = 0;
    const auto freshCopy = [&] {
        dir = std::make_unique<QTemporaryDir>();
        work = dir->filePath(QStringLiteral("GRANDE.MDB"));
        QFile::copy(oldFile, work);
    };
    const double ms = tesorin::bench::medianMs(
        [&] {
            for (const auto& table : tesorin::oldworkareas::convertOldWorkArea(work).rows) {
                if (table.table == QLatin1String("Movimientos"))
                    movements = long(table.rows);
            }
        },
        3, freshCopy);
    const double baselineMs =
        tesorin::bench::medianMs([&] { toolsConversion(oldFile, dir->path()); }, 3,
                                 [&] { dir = std::make_unique<QTemporaryDir>(); });
    tesorin::bench::report(QStringLiteral("convert_old_work_area"), movements, ms, baselineMs);
}
