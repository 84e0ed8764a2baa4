#include "ui/common/ErrorMessage.h"

#include "store/StoreError.h"
#include "ui/common/MessageBoxes.h"

namespace tesorin::ui {

void showError(QWidget* parent, const QString& text, const QString& title) {
    MessageBoxes::critical(parent, title, text);
}

void showStoreError(QWidget* parent, const store::StoreError& failure, const QString& title) {
    showError(parent, failure.message(), title);
}

} // namespace tesorin::ui
