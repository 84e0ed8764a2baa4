#include "base/Clock.h"

namespace tesorin::clock {

namespace {
QDate fixedToday;
QDateTime fixedNow;
} // namespace

QDate today() {
    if (fixedToday.isValid())
        return fixedToday;
    return fixedNow.isValid() ? fixedNow.date() : QDate::currentDate();
}

void setTodayForTests(const QDate& date) {
    fixedToday = date;
}

QDateTime now() {
    if (fixedNow.isValid())
        return fixedNow;
    const QDateTime machine = QDateTime::currentDateTime();
    return fixedToday.isValid() ? QDateTime(fixedToday, machine.time()) : machine;
}

void setNowForTests(const QDateTime& moment) {
    fixedNow = moment;
}

} // namespace tesorin::clock
