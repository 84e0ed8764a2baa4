#pragma once

#include "ui/common/HoverBevels.h"

#include <QWidget>

namespace tesorin::ui {

// A 3-D panel: a caption on a plain background with a bevel that is flat,
// inset or raised, and a container of other controls. A clickable panel acts
// as a button: it reports clicks (also of the pictures lying on it, which
// let them through), takes the keyboard focus with Tab and is pressed with
// Space or Enter.
class Panel3D : public QWidget {
    Q_OBJECT
public:
    explicit Panel3D(const QString& objectName, QWidget* parent = nullptr);

    QString caption() const { return m_caption; }
    // The caption is also the panel's name for screen readers.
    void setCaption(const QString& caption);
    void setCaptionAlignment(Qt::Alignment alignment);

    Bevel bevel() const { return m_bevel; }
    void setBevel(Bevel bevel);

    bool isClickable() const { return m_clickable; }
    void setClickable(bool clickable);

Q_SIGNALS:
    void clicked();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QString m_caption;
    Qt::Alignment m_alignment = Qt::AlignCenter;
    Bevel m_bevel = Bevel::None;
    bool m_clickable = false;
    bool m_pressed = false;
};

} // namespace tesorin::ui
