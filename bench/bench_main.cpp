// Runs the registered measurements against a generated work area:
//   tesorin_bench <folder> <rows> [name ...]
#include "base/Regional.h"
#include "bench/Bench.h"
#include "store/WorkAreaFolder.h"

#include <QApplication>
#include <QDir>
#include <QLocale>

#include <sys/resource.h>

#include <cstdio>
#include <map>
#include <string>

namespace tesorin::bench {
std::map<std::string, Function>& registry();
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "uso: tesorin_bench <carpeta> <movimientos> [medición ...]\n");
        return 2;
    }
    QLocale::setDefault(QLocale(QStringLiteral("es_AR")));
    tesorin::bench::Context context;
    context.folder = QDir(args[1]).absolutePath();
    context.path = QDir(context.folder).filePath(QStringLiteral("BASE.MDB"));
    context.rows = args[2].toLong();
    tesorin::store::setWorkAreaFolder(context.folder);
    const QStringList wanted = args.mid(3);
    for (const auto& [name, function] : tesorin::bench::registry()) {
        if (wanted.isEmpty() || wanted.contains(QString::fromStdString(name)))
            function(context);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    // The peak of this process after every measurement above; the
    // program's own memory is program_rss_mb.
    tesorin::bench::reportValue(QStringLiteral("bench_process_peak_mb"), context.rows,
                                QStringLiteral("mb"), double(usage.ru_maxrss) / 1024.0);
    return 0;
}
