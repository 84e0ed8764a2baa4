#pragma once

#include "schedule/core/SchedulePosting.h"

#include <QDialog>
#include <QString>

#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

namespace tesorin::schedule {

// "Movimientos programados": lists the movements the schedules owe, each
// with a tick (all ticked at first), and asks whether to record them.
// Schedules stored without an amount are listed apart, unticked, since they
// are never recorded. "&Sí" sets Tag to "SI", after a confirmation that
// names the movements left unticked, which are then skipped for good; "&No",
// Escape or the window frame set "NO".
class panProgPendientes : public QDialog {
    Q_OBJECT
public:
    explicit panProgPendientes(const DuePosting& due, QWidget* parent = nullptr);

    QString Tag;

    QLabel* Image1;
    QLabel* Label1;
    QTableWidget* List1;
    QLabel* Label3; // why the schedules of List2 are not recorded
    QTableWidget* List2;
    QLabel* Label2;
    QPushButton* Command1;
    QPushButton* Command2;

    // One flag per due movement: ticked in List1.
    std::vector<bool> ticked() const;

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Command1_Click();

    const DuePosting& m_due;
    bool m_centred = false;
};

} // namespace tesorin::schedule
