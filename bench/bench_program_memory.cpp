// The program's peak resident memory on the work area, measured in a process
// of its own (tesorin_bench_program), against the goal of 150 MB.
#include "bench/Bench.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <cstdio>

namespace {
constexpr double kGoalMb = 150;
}

TESORIN_BENCH(program_rss_mb) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(TESORIN_BENCH_PROGRAM), {context.folder});
    if (!program.waitForFinished(600000) || program.exitCode() != 0) {
        std::fprintf(stderr, "program_rss_mb: the program did not start on the work area\n");
        return;
    }
    const long kb = program.readAllStandardOutput().trimmed().toLong();
    std::printf("BENCH program_rss_mb rows=%ld mb=%.1f goal_mb=%.0f\n", context.rows,
                double(kb) / 1024.0, kGoalMb);
    std::fflush(stdout);
}
