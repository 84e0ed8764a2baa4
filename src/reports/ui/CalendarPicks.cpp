#include "reports/ui/CalendarPicks.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QTimer>

namespace tesorin::reports {

CalendarPicks::CalendarPicks(QCalendarWidget* calendar) : QObject(calendar), m_calendar(calendar) {
    connect(calendar, &QCalendarWidget::selectionChanged, this, &CalendarPicks::selectionChanged);
    connect(calendar, &QCalendarWidget::clicked, this, &CalendarPicks::clicked);
    connect(qApp, &QApplication::focusChanged, this, &CalendarPicks::focusChanged);
}

void CalendarPicks::selectionChanged() {
    m_selectionJustReported = true;
    // The calendar sends its click in the same event, before this runs.
    QTimer::singleShot(0, this, [this] { m_selectionJustReported = false; });
    Q_EMIT picked();
}

void CalendarPicks::clicked() {
    if (m_selectionJustReported) {
        m_selectionJustReported = false;
        return;
    }
    Q_EMIT picked();
}

void CalendarPicks::focusChanged(QWidget* old, QWidget* now) {
    const auto inside = [this](QWidget* w) {
        return w && (w == m_calendar || m_calendar->isAncestorOf(w));
    };
    if (inside(old) && !inside(now) && now && now->window() == m_calendar->window())
        Q_EMIT left();
}

} // namespace tesorin::reports
