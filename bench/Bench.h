#pragma once

#include <QString>

#include <functional>

// A tiny benchmark harness: each bench file registers its measurements with
// TESORIN_BENCH; tesorin_bench runs them all (or those named on its command
// line) against a generated work area and prints one BENCH line each.
namespace tesorin::bench {

struct Context {
    QString folder; // work-area folder holding BASE.MDB with `rows` movements
    QString path;   // full path of that BASE.MDB
    long rows = 0;
};

using Function = void (*)(const Context&);

struct Registration {
    Registration(const char* name, Function function);
};

// Median wall time in ms of `runs` runs of work (setup runs before each, untimed).
double medianMs(const std::function<void()>& work, int runs = 5,
                const std::function<void()>& setup = {});

// Prints: BENCH <name> rows=<N> ms=<ms> baseline_ms=<b> ratio=<ms/b>
void report(const QString& name, long rows, double ms, double baselineMs);
// Prints: BENCH <name> rows=<N> <value-name>=<value> (figures without a baseline)
void reportValue(const QString& name, long rows, const QString& valueName, double value);

} // namespace tesorin::bench

#define TESORIN_BENCH(function)                                                                    \
    static void function(const tesorin::bench::Context&);                                          \
    static const tesorin::bench::Registration registration_##function(#function, function);        \
    static void function(const tesorin::bench::Context& context)
