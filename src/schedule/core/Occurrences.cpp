#include "schedule/core/Occurrences.h"

#include <algorithm>

namespace tesorin::schedule {

namespace {

bool isWeekend(const QDate& day) {
    return day.dayOfWeek() >= Qt::Saturday;
}

// QDate counts Monday as 1 and Sunday as 7; a schedule counts Domingo as 1.
int qtDayOfWeek(int scheduleWeekday) {
    return scheduleWeekday == 1 ? Qt::Sunday : scheduleWeekday - 1;
}

// The date of `day` in the month of `anyDayOfMonth`, moved back to the
// month's last day when the month is shorter.
QDate dayInMonth(const QDate& anyDayOfMonth, int day) {
    return QDate(anyDayOfMonth.year(), anyDayOfMonth.month(),
                 std::min(day, anyDayOfMonth.daysInMonth()));
}

// The days of a month-based rule from `from` to `to`, month by month.
std::vector<QDate> monthDays(const std::vector<int>& days, const QDate& from, const QDate& to) {
    std::vector<QDate> result;
    for (QDate month(from.year(), from.month(), 1); month <= to; month = month.addMonths(1)) {
        std::vector<QDate> inMonth;
        for (int day : days) {
            if (day >= 1)
                inMonth.push_back(dayInMonth(month, day));
        }
        std::sort(inMonth.begin(), inMonth.end());
        inMonth.erase(std::unique(inMonth.begin(), inMonth.end()), inMonth.end());
        for (const QDate& date : inMonth) {
            if (date >= from && date <= to)
                result.push_back(date);
        }
    }
    return result;
}

} // namespace

std::vector<QDate> occurrences(const DueRule& rule, const QDate& from, const QDate& to) {
    std::vector<QDate> result;
    if (!from.isValid() || !to.isValid() || from > to)
        return result;
    switch (rule.frequency) {
    case Frequency::Diaria:
        for (QDate day = from; day <= to; day = day.addDays(1)) {
            if (!rule.weekendsExcluded || !isWeekend(day))
                result.push_back(day);
        }
        break;
    case Frequency::Semanal: {
        if (rule.weekday < kFirstWeekday || rule.weekday > kLastWeekday)
            break;
        const int ahead = (qtDayOfWeek(rule.weekday) - from.dayOfWeek() + 7) % 7;
        for (QDate day = from.addDays(ahead); day <= to; day = day.addDays(7))
            result.push_back(day);
        break;
    }
    case Frequency::Quincenal:
        result = monthDays({rule.firstFortnightDay, rule.secondFortnightDay}, from, to);
        break;
    case Frequency::Mensual:
        result = monthDays({rule.monthDay}, from, to);
        break;
    }
    return result;
}

} // namespace tesorin::schedule
