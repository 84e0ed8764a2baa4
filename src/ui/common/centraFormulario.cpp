#include "ui/common/centraFormulario.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tesorin::ui {

void centraFormulario(QWidget& form) {
    const QScreen* screen = form.screen() ? form.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize outer = form.frameGeometry().size();
    const int top = area.top() + area.height() / 2 - outer.height() / 2;
    const int left = area.left() + area.width() / 2 - outer.width() / 2;
    form.move(left, top);
}

} // namespace tesorin::ui
