#include "app/principal.h"
#include "ui/common/Panel3D.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QTableView>

namespace tesorin::app {

bool principal::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_cashBoxPicture) {
        const QEvent::Type type = event->type();
        return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
               type == QEvent::MouseButtonDblClick;
    }
    if (handleHover(watched, event)) {
        applyBevels();
        // A move over a button or the work-area panel is spent here, so the
        // bar beneath never sees it as a move over the bar.
        return event->type() == QEvent::MouseMove && !isBackground(watched);
    }
    return QMainWindow::eventFilter(watched, event);
}

// Applies the hover and press rules to the bevel states; true when the
// event was one of theirs.
bool principal::handleHover(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseMove) {
        for (int i = 0; i < kButtons; ++i) {
            if (watched == m_buttons[size_t(i)] || watched == m_buttonPictures[size_t(i)]) {
                // A disabled button lets the move through to the bar.
                if (!m_buttons[size_t(i)]->isEnabled())
                    return false;
                m_bevels.pointerOverButton(i);
                return true;
            }
        }
        if (watched == m_workAreaPanel) {
            m_bevels.pointerOverWorkAreaPanel();
            return true;
        }
        if (isBackground(watched)) {
            m_bevels.pointerOverBackground();
            return true;
        }
        return false;
    }
    // Only a press or a release is a mouse event to look into.
    if (watched != m_workAreaPanel ||
        (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease))
        return false;
    if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
        return false;
    if (type == QEvent::MouseButtonPress)
        m_bevels.workAreaPanelPressed();
    else
        m_bevels.workAreaPanelReleased();
    return true;
}

// The window's own background, the button bar and the grid.
bool principal::isBackground(const QObject* watched) const {
    return watched == m_background || watched == m_buttonBar || watched == m_grid->viewport() ||
           watched == m_grid->verticalHeader() || watched == m_grid->horizontalHeader();
}

void principal::UndeTodosLosBotones() {
    m_bevels.flattenButtons();
    applyBevels();
}

void principal::applyBevels() {
    for (int i = 0; i < kButtons; ++i)
        m_buttons[size_t(i)]->setBevel(m_bevels.button(i));
    m_workAreaPanel->setBevel(m_bevels.workAreaPanel());
}

} // namespace tesorin::app
