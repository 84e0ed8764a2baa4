#pragma once

#include "schedule/core/Frequency.h"

#include <QDate>

#include <vector>

namespace tesorin::schedule {

// When a schedule falls due, as read from its stored fields.
struct DueRule {
    Frequency frequency = Frequency::Mensual;
    bool weekendsExcluded = false; // daily schedules only
    int weekday = 0;               // 1 Domingo .. 7 Sábado
    int firstFortnightDay = 0;
    int secondFortnightDay = 0;
    int monthDay = 0;
};

// The days from `from` to `to`, both included, on which the rule falls, in
// order. A day of the month beyond the month's end falls on its last day; a
// day below 1 or a weekday outside 1..7 never falls. A fortnightly schedule
// whose two days land on the same date falls once that day.
std::vector<QDate> occurrences(const DueRule& rule, const QDate& from, const QDate& to);

} // namespace tesorin::schedule
