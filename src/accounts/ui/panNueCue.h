#pragma once

#include <QDialog>
#include <QString>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tesorin::accounts {

// "Nueva Cuenta": asks for an account's name and type. The chart creates one
// for each "Nueva" or "Editar", reads it after it hides and discards it, so
// every use starts with an empty name and the third type chosen.
class panNueCue : public QDialog {
    Q_OBJECT
public:
    explicit panNueCue(QWidget* parent = nullptr);

    // "SI" when the user confirms with a name; anything else is a refusal.
    QString Tag;

    // Which of Option1_0..2 is chosen; -1 when none is.
    int chosenOption() const;
    void chooseOption(int option);

    QLabel* Label1;
    QLineEdit* Text1;
    QGroupBox* Frame1;
    QRadioButton* Option1[3];
    QPushButton* Command6;
    QPushButton* Command2;

private:
    void Command6_Click();
    void Command2_Click();

    QButtonGroup* m_options;
};

} // namespace tesorin::accounts
