// The program's peak resident memory on the work area, measured in a process
// of its own (tesorin_bench_program), against the goal of 150 MB. The program
// opens a copy of the work area in a folder of its own with no backup copies,
// as on the first opening of a day: the daily copy is taken and counts.
#include "bench/Bench.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <cstdio>

namespace {
constexpr double kGoalMb = 150;
}

TESORIN_BENCH(program_rss_mb) {
    QTemporaryDir firstOfTheDay;
    const QString base = QStringLiteral("BASE.MDB");
    if (!firstOfTheDay.isValid() ||
        !QFile::copy(QDir(context.folder).filePath(base), firstOfTheDay.filePath(base))) {
        std::fprintf(stderr, "program_rss_mb: the work area could not be copied\n");
        return;
    }
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(TESORIN_BENCH_PROGRAM), {firstOfTheDay.path()});
    if (!program.waitForFinished(600000) || program.exitCode() != 0) {
        std::fprintf(stderr, "program_rss_mb: the program did not start on the work area\n");
        return;
    }
    if (QDir(firstOfTheDay.filePath(QStringLiteral("copias"))).isEmpty()) {
        std::fprintf(stderr, "program_rss_mb: the opening took no daily copy\n");
        return;
    }
    const long kb = program.readAllStandardOutput().trimmed().toLong();
    std::printf("BENCH program_rss_mb rows=%ld mb=%.1f goal_mb=%.0f\n", context.rows,
                double(kb) / 1024.0, kGoalMb);
    std::fflush(stdout);
}
