#pragma once

#include <QDialog>
#include <QString>

#include <memory>

class QComboBox;
class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tesorin::store {
class Database;
}

namespace tesorin::ui {
class BoxLeaveChecks;
}

namespace tesorin::movements {

// The movement entry dialog: date, account, detail, amount and medium of one
// income or payment, new or being edited. The caller sets Tag to the
// direction ("Nuevo Ingreso" or "Nuevo Pago") and the caption to the use,
// fills the fields when editing, shows the dialog modally and, when Tag comes
// back "SI", reads the fields and writes the movement itself. The dialog only
// reads the accounts and writes the last account used to the per-user
// settings.
//
// Accepting and cancelling only hide the dialog: the fields keep their
// contents until the caller deletes it. Constructing it is the form's load:
// today's date, the rest empty, medium "Efectivo".
class panNueIngreso : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDetailLength = 150;
    static constexpr int kAmountLength = 40;

    explicit panNueIngreso(const std::unique_ptr<store::Database>& baseAbierta,
                           QWidget* parent = nullptr);

    // On entry the direction; once hidden "SI" (accepted) or "NO" (cancelled).
    // Closing the window by its frame leaves it as it was.
    QString Tag;
    // List1's Tag: the account to show in List1 each time the dialog is
    // shown (the movement's account when editing); empty for none.
    QString List1Tag;
    // The dialog was closed by its window frame: the caller unloads it.
    bool closedByFrame() const { return m_closedByFrame; }

    QLabel* Picture1;
    QLabel* Label2;
    QLabel* Label1[5];
    QDateEdit* DTPicker1;
    QComboBox* List1;
    QPlainTextEdit* Text2; // a box of at most kDetailLength typed characters
    QLineEdit* Text1;
    QComboBox* Combo1;
    QFrame* Frame1;
    QPushButton* Command6;
    QPushButton* Command1;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void layOut();
    void Form_Activate();
    void Command6_Click();
    void Command1_Click();

    const std::unique_ptr<store::Database>& m_base;
    bool m_closedByFrame = false;
    // Checks and formats the amount when the user leaves its box.
    ui::BoxLeaveChecks* m_checks = nullptr;
};

} // namespace tesorin::movements
