#include "movements/ui/MovementGridEvents.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace tesorin::movements {

MovementGridEvents::MovementGridEvents(QAbstractItemView& grid, std::function<void()> doubleClick,
                                       std::function<void()> deleteKey)
    : QObject(&grid), m_grid(grid), m_viewport(grid.viewport()),
      m_doubleClick(std::move(doubleClick)), m_deleteKey(std::move(deleteKey)) {
    m_grid.installEventFilter(this);
    m_viewport->installEventFilter(this);
}

bool MovementGridEvents::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_viewport && event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        m_doubleClick();
        return true;
    }
    if (watched == &m_grid && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete) {
            // A key held down repeats; the question already took the keyboard.
            if (!key->isAutoRepeat())
                m_deleteKey();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tesorin::movements
