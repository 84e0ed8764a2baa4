#pragma once

#include "schedule/core/SchedulePosting.h"

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;
class QTableWidget;

namespace tesorin::schedule {

// "Movimientos programados": lists the movements the schedules owe and asks
// whether to record them. "&Sí" sets Tag to "SI"; "&No", Escape or the
// window frame set "NO".
class panProgPendientes : public QDialog {
    Q_OBJECT
public:
    explicit panProgPendientes(const DuePosting& due, QWidget* parent = nullptr);

    QString Tag;

    QLabel* Image1;
    QLabel* Label1;
    QTableWidget* List1;
    QLabel* Label2;
    QPushButton* Command1;
    QPushButton* Command2;

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool m_centred = false;
};

} // namespace tesorin::schedule
