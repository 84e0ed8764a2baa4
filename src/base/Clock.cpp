#include "base/Clock.h"

namespace tesorin::clock {

namespace {
QDate fixedToday;
}

QDate today() {
    return fixedToday.isValid() ? fixedToday : QDate::currentDate();
}

void setTodayForTests(const QDate& date) {
    fixedToday = date;
}

} // namespace tesorin::clock
