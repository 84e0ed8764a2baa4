#pragma once

#include <QStatusBar>
#include <QTimer>

#include <array>

class QLabel;

namespace tesorin::app {

// The main window's status bar StatusBar1: the maker's web address, today's
// date, the time, the Caps Lock, Num Lock and Insert indicators and the
// maker's motto, as seven panels Panels_1..Panels_7. The date and time
// follow the clock; the indicators follow the keys pressed in the program
// (and, where the window system reports the lock state with each key, that
// state). Clicking the bar does nothing.
class MainStatusBar : public QStatusBar {
    Q_OBJECT
public:
    static constexpr int kPanels = 7;

    explicit MainStatusBar(QWidget* parent = nullptr);
    ~MainStatusBar() override;

    QLabel* panel(int number) const { return m_panels.at(size_t(number - 1)); }
    bool capsLock() const { return m_capsLock; }
    bool numLock() const { return m_numLock; }
    bool insertMode() const { return m_insert; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showClock();
    void showKeyStates();

    std::array<QLabel*, kPanels> m_panels{};
    QTimer m_clock;
    bool m_capsLock = false;
    bool m_numLock = false;
    bool m_insert = false;
};

} // namespace tesorin::app
