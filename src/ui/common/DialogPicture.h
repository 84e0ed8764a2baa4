#pragma once

#include <QStyle>

class QLabel;
class QWidget;

namespace tesorin::ui {

// The picture beside a work-area dialog's text: one of the style's own
// icons, so it matches the desktop's theme.
QLabel* dialogPicture(QWidget* parent, QStyle::StandardPixmap icon, const QString& objectName);

} // namespace tesorin::ui
