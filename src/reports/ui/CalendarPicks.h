#pragma once

#include <QObject>

class QCalendarWidget;
class QWidget;

namespace tesorin::reports {

// The events of a month calendar that recompute a report: picked() once for
// each date click or change of the selected date (a click that also changes
// the selection is one pick, not two), and left() when the keyboard focus
// leaves the calendar for another control.
class CalendarPicks : public QObject {
    Q_OBJECT
public:
    explicit CalendarPicks(QCalendarWidget* calendar);

Q_SIGNALS:
    void picked();
    void left();

private:
    void selectionChanged();
    void clicked();
    void focusChanged(QWidget* old, QWidget* now);

    QCalendarWidget* m_calendar;
    // A selection change was just reported; the click that caused it, sent
    // right after by the calendar, is the same pick.
    bool m_selectionJustReported = false;
};

} // namespace tesorin::reports
