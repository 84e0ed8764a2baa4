#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

// The program's own pictures, drawn in code: the button bar's pictures, the
// work-area panel's small pictures, the logo and the splash artwork.
namespace tesorin::ui::pictures {

// botImage(index) of the button bar, 0..6.
QPixmap button(int index, int size);
// The small cash box on the work-area panel (Image9).
QPixmap cashBox(int size);
// The work-area chooser's picture on the work-area panel (Image1).
QPixmap chooser(int size);
// The program's logo: a stack of coins with a rising bar.
QPixmap logo(int size);
QIcon windowIcon();
// The splash's main artwork (Picture1 of portada).
QPixmap splash(QSize size);

} // namespace tesorin::ui::pictures
