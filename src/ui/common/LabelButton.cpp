#include "ui/common/LabelButton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace tesorin::ui {

namespace {
const QColor kUp(Qt::black);
const QColor kDown(192, 192, 192);
const QColor kText(255, 255, 192); // light yellow
} // namespace

LabelButton::LabelButton(const QString& text, const QString& accessibleName, QWidget* parent)
    : QLabel(text, parent) {
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(accessibleName);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, kText);
    setPalette(colours);
    setBackground(kUp);
}

void LabelButton::setBackground(const QColor& colour) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colour);
    setPalette(colours);
}

void LabelButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        setBackground(kDown);
    QLabel::mousePressEvent(event);
}

void LabelButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    setBackground(kUp);
    if (rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

void LabelButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Q_EMIT clicked();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void LabelButton::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = rect().adjusted(1, 1, -1, -1);
    focus.backgroundColor = palette().color(QPalette::Window);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
}

} // namespace tesorin::ui
