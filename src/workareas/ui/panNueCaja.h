#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tesorin::workareas {

// "Nueva Caja": asks the name of a new work area. "Crear !" refuses a name
// that cannot become a work area (the message says why) and stays open;
// otherwise Tag is "SI" and the dialog hides. The caller reads Text1.
class panNueCaja : public QDialog {
    Q_OBJECT
public:
    explicit panNueCaja(QWidget* parent = nullptr);

    QString Tag;

    QLabel* Image1;
    QLabel* Label1;
    QLabel* Label2;
    QLineEdit* Text1;
    QPushButton* Command7;
    QPushButton* Command1;

    void reject() override;

private:
    void Command7_Click();
};

} // namespace tesorin::workareas
