#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QModelIndex;
class QPushButton;
class QTableView;

namespace tesorin::store {
class Database;
class DataControl;
} // namespace tesorin::store

namespace tesorin::schedule {

class ScheduleListModel;

// "Automatizaciones actualmente programadas": every schedule of the work
// area, with new, edit and delete through the schedule editor. The list is
// read again each time the window opens and after the editor closes. Texts
// typed into the grid are written back when their row is left.
class panProg : public QDialog {
    Q_OBJECT
public:
    panProg(store::Database& baseAbierta, const QString& nombreBase, QWidget* parent = nullptr);

    QLabel* Image1;
    QLabel* Label1;
    QTableView* DBGrid1;
    store::DataControl* Data1;
    QPushButton* Command1;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command2;

    ScheduleListModel* model() const { return m_model; }

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Reloads the list from the work area; the first row becomes current.
    void Form_Activate();
    void Data1_Reposition();
    void currentRowChanged(const QModelIndex& current, const QModelIndex& previous);
    // Writes back what was typed into the current row; false when refused.
    bool leaveRow();
    void Command1_Click();
    void Command3_Click();
    void Command4_Click();

    store::Database& m_base;
    QString m_nombreBase;
    ScheduleListModel* m_model;
    bool m_centred = false;
};

} // namespace tesorin::schedule
