#pragma once

#include <QDate>

// The program's "today": the calendars, date boxes and ranges that start on
// today's date ask here, so that tests can fix the day they run on.
namespace tesorin::clock {

// QDate::currentDate(), unless a test fixed another day.
QDate today();
// Fixes today's date; an invalid date goes back to the machine's clock.
void setTodayForTests(const QDate& date);

} // namespace tesorin::clock
