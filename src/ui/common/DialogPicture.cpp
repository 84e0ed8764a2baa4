#include "ui/common/DialogPicture.h"

#include <QLabel>

namespace tesorin::ui {

namespace {
constexpr int kPictureSize = 48;
}

QLabel* dialogPicture(QWidget* parent, QStyle::StandardPixmap icon, const QString& objectName) {
    auto* picture = new QLabel(parent);
    picture->setObjectName(objectName);
    picture->setPixmap(parent->style()->standardIcon(icon).pixmap(kPictureSize, kPictureSize));
    picture->setFixedSize(kPictureSize, kPictureSize);
    return picture;
}

} // namespace tesorin::ui
