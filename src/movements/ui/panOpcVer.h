#pragma once

#include "movements/core/ViewFilter.h"

#include <QDialog>
#include <QString>

class QCalendarWidget;
class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace tesorin::store {
class Database;
}

namespace tesorin::ui {
class ListChoice;
}

namespace tesorin::movements {

// "Mostrar movimientos de ...": the accounts, the date range and the order
// of a view of the movements. The view filter shows it, and so does the
// printed statement under a caption of its own (set with setWindowTitle
// before exec()); after "Mostrar" (Tag "SI") the caller reads the current
// entry, Check1 and the two calendars, then deletes the dialog.
class panOpcVer : public QDialog {
    Q_OBJECT
public:
    // Fills the account list from Cuentas; a failure of the store is shown
    // and leaves the list empty, so that only "Cancelar" leaves.
    explicit panOpcVer(store::Database& baseAbierta, QWidget* parent = nullptr);

    QString Tag;

    QLabel* Label2_2;
    QListWidget* List1;
    QGroupBox* Frame1;
    QLabel* Label2_0;
    QCalendarWidget* calendar1;
    QLabel* Label2_1;
    QCalendarWidget* Calendar2;
    QCheckBox* Check1;
    QPushButton* Command1;
    QGroupBox* Frame2;
    QRadioButton* Option1_1;
    QRadioButton* Option1_0;
    QPushButton* Command4;
    QPushButton* Command2;

    // The list entry last clicked (or chosen with the keyboard), -1 until
    // the user picks one. It may or may not be selected.
    int ListIndex() const;
    // Its text; empty while there is none.
    QString currentEntryText() const;
    // Everything the dialog's controls say.
    ViewChoice choice() const;

    void reject() override;

private:
    void Command1_Click();
    void Command4_Click();

    ui::ListChoice* m_choice;
};

} // namespace tesorin::movements
