#pragma once

#include <QObject>

namespace tesorin::ui {
class OperationContext;
}

namespace tesorin::schedule {

// The main window's scheduled movements: the schedule list, and posting
// what falls due after a work area is opened.
class ScheduleOperations : public QObject {
public:
    ScheduleOperations(ui::OperationContext& context, QObject* parent);

    void verProgramados();
    // Offers to record what the schedules owe; runs after every opening of
    // a work area (start-up, new, open, choose).
    void asentarProgramados();

private:
    ui::OperationContext& m_context;
};

} // namespace tesorin::schedule
