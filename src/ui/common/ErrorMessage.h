#pragma once

#include <QString>

class QWidget;

namespace tesorin::store {
class StoreError;
}

namespace tesorin::ui {

// The two titles the program's error messages carry.
inline const QString kErrorTitle = QStringLiteral("Error");
inline const QString kSpacedErrorTitle = QStringLiteral("E r r o r");

// A modal critical message with an "Aceptar" button.
void showError(QWidget* parent, const QString& text, const QString& title = kErrorTitle);

// The store's own message for a failure, as showError shows it.
void showStoreError(QWidget* parent, const store::StoreError& failure,
                    const QString& title = kErrorTitle);

} // namespace tesorin::ui
