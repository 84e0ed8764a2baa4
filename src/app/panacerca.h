#pragma once

#include <QDialog>

namespace tesorin::app {

// The About box: the product, its version, the rights and where the work
// areas are kept.
class panacerca : public QDialog {
    Q_OBJECT
public:
    explicit panacerca(QWidget* parent = nullptr);
};

} // namespace tesorin::app
