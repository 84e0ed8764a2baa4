#include "ui/common/Panel3D.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

namespace tesorin::ui {

Panel3D::Panel3D(const QString& objectName, QWidget* parent) : QWidget(parent) {
    setObjectName(objectName);
    setAutoFillBackground(true);
}

void Panel3D::setCaption(const QString& caption) {
    m_caption = caption;
    setAccessibleName(caption.trimmed());
    update();
}

void Panel3D::setCaptionAlignment(Qt::Alignment alignment) {
    m_alignment = alignment;
    update();
}

void Panel3D::setBevel(Bevel bevel) {
    if (bevel == m_bevel)
        return;
    m_bevel = bevel;
    update();
}

void Panel3D::setClickable(bool clickable) {
    m_clickable = clickable;
    // Tab reaches it; a click does not take the focus from the grid, so keys
    // sent after a button's action still go where the user was.
    setFocusPolicy(clickable ? Qt::TabFocus : Qt::NoFocus);
}

void Panel3D::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_bevel != Bevel::None)
        qDrawShadePanel(&painter, rect(), palette(), m_bevel == Bevel::Inset, 1);
    // Blanks that once made room for a picture are left out: the contents
    // margins keep the caption clear of what lies on the panel.
    const QRect captionArea = contentsRect();
    const QString shown =
        fontMetrics().elidedText(m_caption.trimmed(), Qt::ElideRight, captionArea.width());
    style()->drawItemText(&painter, captionArea, int(m_alignment) | Qt::TextSingleLine, palette(),
                          isEnabled(), shown, QPalette::WindowText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void Panel3D::mousePressEvent(QMouseEvent* event) {
    if (!m_clickable || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_pressed = true;
}

void Panel3D::mouseReleaseEvent(QMouseEvent* event) {
    if (!m_clickable || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const bool wasPressed = m_pressed;
    m_pressed = false;
    if (wasPressed && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

void Panel3D::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        Q_EMIT doubleClicked();
    else
        event->ignore();
}

void Panel3D::keyPressEvent(QKeyEvent* event) {
    const bool activates = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                           event->key() == Qt::Key_Enter;
    if (m_clickable && activates && !event->isAutoRepeat()) {
        Q_EMIT clicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Panel3D::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void Panel3D::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

} // namespace tesorin::ui
