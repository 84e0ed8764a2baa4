#pragma once

#include <QDialog>

class QTimer;

namespace tesorin::app {

// The splash: shown modally during start-up, without caption, it closes
// itself when Timer1 fires.
class portada : public QDialog {
    Q_OBJECT
public:
    explicit portada(int milliseconds, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QTimer* m_timer1;
};

} // namespace tesorin::app
