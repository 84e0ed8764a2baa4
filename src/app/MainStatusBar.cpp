#include "app/MainStatusBar.h"

#include "base/Clock.h"
#include "base/Regional.h"

#include <QApplication>
#include <QDateTime>
#include <QKeyEvent>
#include <QLabel>

namespace tesorin::app {

namespace {

// X11 reports the lock keys' state in every key event's native modifiers.
constexpr quint32 kX11LockMask = 0x02;
constexpr quint32 kX11NumLockMask = 0x10;

bool windowSystemReportsLocks() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

} // namespace

MainStatusBar::MainStatusBar(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("StatusBar1"));
    for (int number = 1; number <= kPanels; ++number) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("Panels_%1").arg(number));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setContentsMargins(4, 0, 4, 0);
        const bool stretches = number == 1 || number == kPanels;
        addPermanentWidget(label, stretches ? 1 : 0);
        m_panels[size_t(number - 1)] = label;
    }
    panel(1)->setText(QStringLiteral("www.velmora.example"));
    panel(1)->setToolTip(QStringLiteral("Haga click para ingresar a nuestro Sitio Web"));
    panel(4)->setText(QStringLiteral("MAYÚS"));
    panel(5)->setText(QStringLiteral("NÚM"));
    panel(6)->setText(QStringLiteral("INS"));
    panel(7)->setText(QStringLiteral(" Velmora! soluciones simples e intuitivas"));
    for (int number : {4, 5, 6})
        panel(number)->setAlignment(Qt::AlignCenter);

    connect(&m_clock, &QTimer::timeout, this, &MainStatusBar::showClock);
    showClock();
    showKeyStates();
    qApp->installEventFilter(this);
}

MainStatusBar::~MainStatusBar() {
    qApp->removeEventFilter(this);
}

void MainStatusBar::showClock() {
    const QDateTime now = QDateTime::currentDateTime();
    panel(2)->setText(regional::shortDate(clock::today()));
    panel(3)->setText(regional::locale().toString(now.time(), QLocale::ShortFormat));
    // Wake up just after the next minute begins, not every second.
    const int toNextMinute = 60000 - (now.time().second() * 1000 + now.time().msec());
    m_clock.start(toNextMinute + 50);
}

void MainStatusBar::showKeyStates() {
    const std::array<std::pair<int, bool>, 3> states{
        {{4, m_capsLock}, {5, m_numLock}, {6, m_insert}}};
    for (const auto& [number, on] : states) {
        panel(number)->setEnabled(on);
        panel(number)->setAccessibleName(
            panel(number)->text() +
            (on ? QStringLiteral(" activado") : QStringLiteral(" desactivado")));
    }
}

bool MainStatusBar::eventFilter(QObject* watched, QEvent* event) {
    // A key event travels through several widgets but reaches its window
    // once, from the window system: that delivery is the one counted.
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) &&
        event->spontaneous() && watched->isWindowType()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool press = event->type() == QEvent::KeyPress;
        if (press && !key->isAutoRepeat()) {
            if (key->key() == Qt::Key_CapsLock)
                m_capsLock = !m_capsLock;
            else if (key->key() == Qt::Key_NumLock)
                m_numLock = !m_numLock;
            else if (key->key() == Qt::Key_Insert)
                m_insert = !m_insert;
        }
        if (!press && windowSystemReportsLocks()) {
            m_capsLock = key->nativeModifiers() & kX11LockMask;
            m_numLock = key->nativeModifiers() & kX11NumLockMask;
        }
        showKeyStates();
    }
    return QStatusBar::eventFilter(watched, event);
}

} // namespace tesorin::app
