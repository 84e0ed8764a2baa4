#include "bench/Bench.h"

#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace tesorin::bench {

std::map<std::string, Function>& registry() {
    static std::map<std::string, Function> functions;
    return functions;
}

Registration::Registration(const char* name, Function function) {
    registry()[name] = function;
}

double medianMs(const std::function<void()>& work, int runs, const std::function<void()>& setup) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        if (setup)
            setup();
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void report(const QString& name, long rows, double ms, double baselineMs) {
    const double ratio = baselineMs > 0 ? ms / baselineMs : 0.0;
    std::printf("BENCH %s rows=%ld ms=%.3f baseline_ms=%.3f ratio=%.2f\n", qPrintable(name), rows,
                ms, baselineMs, ratio);
    std::fflush(stdout);
}

void reportValue(const QString& name, long rows, const QString& valueName, double value) {
    std::printf("BENCH %s rows=%ld %s=%.1f\n", qPrintable(name), rows, qPrintable(valueName),
                value);
    std::fflush(stdout);
}

} // namespace tesorin::bench
