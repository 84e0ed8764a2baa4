#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QListWidget;
class QPushButton;

namespace tesorin::workareas {

// "Seleccione Cuenta", the chooser of the work-area panel: lists the work
// areas. "&Aceptar" sets Tag to "SI" when a row is selected, "NO" when none
// is, and closes the chooser either way; the caller switches to
// selectedName() when Tag is "SI".
class panselCuenta : public QDialog {
    Q_OBJECT
public:
    explicit panselCuenta(QWidget* parent = nullptr);

    QString Tag;

    QLabel* Image9;
    QLabel* Label1;
    QListWidget* List1;
    QPushButton* Command1;
    QPushButton* Command2;

    // The selected row's text; empty when no row is selected.
    QString selectedName() const;

    void reject() override;

private:
    void Command1_Click();
};

} // namespace tesorin::workareas
