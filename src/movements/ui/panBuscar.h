#pragma once

#include "movements/core/MovementSearch.h"

#include <QDialog>
#include <QString>

class QCalendarWidget;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tesorin::store {
class Database;
}

namespace tesorin::ui {
class MultiLineTextBox;
}

namespace tesorin::movements {

// "Buscar Movimiento": the date, account, detail and amount a movement is
// searched by, each of which a ticked box leaves open, and where the search
// starts. Tag is "SI" after "Buscar", "NO" after "Salir"; the caller then
// reads choice() and deletes the dialog.
class panBuscar : public QDialog {
    Q_OBJECT
public:
    // Fills the account box from Cuentas; a failure of the store is shown
    // and leaves the box without entries (a name can still be typed).
    explicit panBuscar(store::Database& baseAbierta, QWidget* parent = nullptr);

    QString Tag;

    QGroupBox* Frame1;
    QCalendarWidget* calendar1;
    QCheckBox* Check1;
    QGroupBox* Frame2;
    QComboBox* Combo1;
    QCheckBox* Check2;
    QGroupBox* Frame3;
    ui::MultiLineTextBox* Text1;
    QCheckBox* Check3;
    QPushButton* Command4;
    QPushButton* Command1;
    QRadioButton* Option1_0;
    QRadioButton* Option1_1;
    QRadioButton* Option1_2;
    QGroupBox* Frame4;
    QLabel* Label1;
    QLineEdit* Text2;
    QCheckBox* Check4;

    // Everything the dialog's controls say.
    SearchChoice choice() const;

    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Text2_LostFocus();
    void Command4_Click();
};

} // namespace tesorin::movements
