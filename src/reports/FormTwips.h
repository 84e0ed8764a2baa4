#pragma once

#include "app/Twips.h"

#include <QGuiApplication>
#include <QWidget>

// Small helpers of the report forms, whose controls stand where their design
// puts them, in twips.
namespace tesorin::reports {

template <class Widget> Widget* named(Widget* widget, const char* objectName) {
    widget->setObjectName(QString::fromLatin1(objectName));
    return widget;
}

inline void placeTwips(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(app::fromTwips(left), app::fromTwips(top), app::fromTwips(width),
                        app::fromTwips(height));
}

// The hourglass pointer for as long as it lives.
class Hourglass {
public:
    Hourglass() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Hourglass() { QGuiApplication::restoreOverrideCursor(); }
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;
};

} // namespace tesorin::reports
