#pragma once

#include <QString>

namespace tesorin::ui {

// Gives a control its objectName (the name tests and screen readers know it
// by) where it is created.
template <class Widget> Widget* named(Widget* widget, const char* objectName) {
    widget->setObjectName(QString::fromLatin1(objectName));
    return widget;
}

} // namespace tesorin::ui
