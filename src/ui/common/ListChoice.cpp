#include "ui/common/ListChoice.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>

namespace tesorin::ui {

ListChoice::ListChoice(QAbstractItemView* list)
    : QObject(list), m_list(list), m_viewport(list->viewport()) {
    list->installEventFilter(this);
    m_viewport->installEventFilter(this);
    connect(list->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &ListChoice::follow);
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ListChoice::follow);
}

bool ListChoice::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_viewport && event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        if (m_list->indexAt(press->position().toPoint()).isValid())
            m_touched = true;
    } else if (watched == m_list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Tab && key != Qt::Key_Backtab)
            m_touched = true;
    }
    return QObject::eventFilter(watched, event);
}

void ListChoice::follow() {
    if (m_touched)
        m_row = m_list->currentIndex().row();
}

} // namespace tesorin::ui
