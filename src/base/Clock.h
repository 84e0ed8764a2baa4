#pragma once

#include <QDate>
#include <QDateTime>

// The program's "today": the calendars, date boxes and ranges that start on
// today's date ask here, so that tests can fix the day they run on.
namespace tesorin::clock {

// QDate::currentDate(), unless a test fixed another day (or moment).
QDate today();
// Fixes today's date; an invalid date goes back to the machine's clock.
void setTodayForTests(const QDate& date);

// The local date and time, on the day today() gives; a test may fix the
// moment itself (an invalid one goes back to the machine's clock).
QDateTime now();
void setNowForTests(const QDateTime& moment);

} // namespace tesorin::clock
