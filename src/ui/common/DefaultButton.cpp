#include "ui/common/DefaultButton.h"

#include <QPushButton>
#include <QWidget>

namespace tesorin::ui {

void makeOnlyDefault(QWidget& form, QPushButton* button) {
    for (QPushButton* other : form.findChildren<QPushButton*>()) {
        if (other != button) {
            other->setAutoDefault(false);
            other->setDefault(false);
        }
    }
    if (button) {
        button->setAutoDefault(true);
        button->setDefault(true);
    }
}

} // namespace tesorin::ui
