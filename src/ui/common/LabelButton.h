#pragma once

#include <QLabel>

namespace tesorin::ui {

// A label used as a button: a click (or Space or Enter once it has the
// focus) reports clicked(); while the mouse button is down its background is
// silver, and black again when released.
class LabelButton : public QLabel {
    Q_OBJECT
public:
    LabelButton(const QString& text, const QString& accessibleName, QWidget* parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void setBackground(const QColor& colour);
};

} // namespace tesorin::ui
