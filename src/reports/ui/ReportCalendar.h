#pragma once

#include "ui/common/Named.h"

#include <QCalendarWidget>

namespace tesorin::reports {

// A month calendar compact enough for the small place the report forms give
// it: one letter per weekday and no week numbers.
inline QCalendarWidget* reportCalendar(QWidget* parent, const char* objectName) {
    auto* calendar = ui::named(new QCalendarWidget(parent), objectName);
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendar->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    return calendar;
}

} // namespace tesorin::reports
