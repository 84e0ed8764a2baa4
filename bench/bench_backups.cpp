// A backup copy of the work area (taken, checked and rotated), against the
// sqlite3 command-line program's ".backup" of the same file in the same run.
#include "backups/core/WorkAreaBackup.h"
#include "bench/Bench.h"
#include "store/WorkAreaFolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

TESORIN_BENCH(backup) {
    using namespace tesorin;
    // The copies go to a folder of their own, so the generated work area's
    // folder keeps none and every run starts alike.
    QTemporaryDir dir;
    const QString work = dir.filePath(QStringLiteral("BASE.MDB"));
    if (!QFile::copy(context.path, work)) {
        std::fprintf(stderr, "backup: no se pudo copiar %s\n", qPrintable(context.path));
        return;
    }
    const QString previousFolder = store::workAreaFolder();
    store::setWorkAreaFolder(dir.path());
    QString copy;
    const double ms =
        bench::medianMs([&] { copy = backups::backupWorkArea(QStringLiteral("BASE.MDB")); }, 5,
                        [&] {
                            if (!copy.isEmpty())
                                QFile::remove(copy);
                        });
    QFile::remove(copy);
    store::setWorkAreaFolder(previousFolder);

    const QString out = dir.filePath(QStringLiteral("sqlite3-backup.db"));
    const double baselineMs = bench::medianMs(
        [&] {
            QProcess::execute(QStringLiteral("sqlite3"),
                              {work, QStringLiteral(".backup '%1'").arg(out)});
        },
        5, [&] { QFile::remove(out); });
    bench::report(QStringLiteral("backup"), context.rows, ms, baselineMs);
}
