#pragma once

#include <QDialog>
#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tesorin::ui {
class BoxLeaveChecks;
class MultiLineTextBox;
} // namespace tesorin::ui

namespace tesorin::schedule {

// "Personalizar el movimiento": the amount, detail and direction of a
// scheduled movement. "&Cerrar" sets Tag to "SI"; closing the window through
// its frame (or Escape) sets "NO", and the editor then keeps what it had.
class panPerMov : public QDialog {
    Q_OBJECT
public:
    explicit panPerMov(QWidget* parent = nullptr);

    QString Tag;

    QLabel* Image1;
    QLabel* Label1;
    QGroupBox* Frame2;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QLabel* Label2;
    QLineEdit* Text1;
    QLabel* Label3;
    ui::MultiLineTextBox* Text2;
    QPushButton* Command1;

    // "IN" selects ENTRADA, "OU" SALIDA, anything else neither.
    void setDirection(const QString& code);
    // "IN" when ENTRADA is selected, otherwise "OU".
    QString direction() const;

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Command1_Click();

    ui::BoxLeaveChecks* m_checks;
    bool m_centred = false;
};

} // namespace tesorin::schedule
