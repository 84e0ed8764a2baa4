#pragma once

#include "oldworkareas/core/ConversionProgress.h"

#include <QProgressDialog>

namespace tesorin::oldworkareas {

// Shows how far a conversion got, once it takes more than a moment, with a
// "Cancelar" button that stops it.
class ConversionProgressDialog : public QProgressDialog {
    Q_OBJECT
public:
    ConversionProgressDialog(const QString& fileName, QWidget* parent);

    // The callback the conversion calls; false once "Cancelar" was pressed.
    ProgressCallback callback();
};

} // namespace tesorin::oldworkareas
