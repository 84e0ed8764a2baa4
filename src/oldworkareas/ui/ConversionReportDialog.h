#pragma once

#include "oldworkareas/core/ConversionReport.h"

#include <QDialog>

namespace tesorin::oldworkareas {

// What a conversion kept, shown once it is done.
class ConversionReportDialog : public QDialog {
    Q_OBJECT
public:
    ConversionReportDialog(const ConversionReport& report, QWidget* parent);
};

} // namespace tesorin::oldworkareas
