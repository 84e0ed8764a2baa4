#pragma once

#include "store/DataControl.h"

#include <QDialog>

class QCalendarWidget;
class QFrame;
class QLabel;
class QPushButton;
class QTableView;

namespace tesorin::store {
class Database;
}

namespace tesorin::reports {

class AccountTotalsModel;

// "Sumas y saldos de las cuentas": every account of the work area with the
// income, expense and balance of its movements in the range of the two
// calendars. The sums are stored in the accounts themselves, so on opening
// the grid shows those of the last computation, whatever range it had; a
// date click, a change of date or leaving a calendar computes them again.
class panSumas : public QDialog {
    Q_OBJECT
public:
    panSumas(store::Database& baseAbierta, const QString& nombreBase, QWidget* parent = nullptr);
    ~panSumas() override;

    // Computes and stores the sums of every account for the range of
    // Calendar1 to Calendar2 and shows them; a failure is shown and leaves
    // the stored sums as they were.
    void calc();

    QFrame* Picture1;
    QTableView* DBGrid1;
    store::DataControl Data1;
    QLabel* Label1_1;
    QCalendarWidget* Calendar1;
    QLabel* Label1_0;
    QCalendarWidget* Calendar2;
    QFrame* Line1;
    QFrame* Line2;
    QPushButton* Command1;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Activate: the grid reads the accounts of the current work area.
    void Form_Activate();
    void fitCalendars();
    void refreshGrid();
    void showStoreError(const QString& message);

    store::Database& m_base;
    QString m_nombreBase;
    AccountTotalsModel* m_model;
};

} // namespace tesorin::reports
