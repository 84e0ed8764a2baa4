#pragma once

#include "base/Twips.h"

#include <QWidget>

namespace tesorin::ui {

// Places a control where its form's design puts it, in twips.
inline void placeTwips(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(fromTwips(left), fromTwips(top), fromTwips(width), fromTwips(height));
}

} // namespace tesorin::ui
