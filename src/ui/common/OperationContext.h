#pragma once

#include "store/DataControl.h"
#include "workareas/core/ProgramState.h"

#include <QString>

class QWidget;

namespace tesorin::ui {

// What a feature's operations may reach of the main window: the program
// state, the grid's data control, the window as the parent of their dialogs,
// and the few things of the window they change. The main window implements
// it; the operations never see the window's own members.
class OperationContext {
public:
    virtual workareas::ProgramState& state() = 0;
    virtual store::DataControl& data1() = 0;
    virtual QWidget* parentWindow() = 0;
    // Runs Data1's row source again (the grid and the totals follow); a
    // failure of the store is shown and leaves the grid empty.
    virtual void refreshView() = 0;
    // The caption over the grid (the view the filter chose).
    virtual void setGridCaption(const QString& caption) = 0;

protected:
    ~OperationContext() = default;
};

// True when a work area is open; otherwise says "No hay ninguna caja
// abierta." over the window.
bool requireOpenWorkArea(OperationContext& context);

} // namespace tesorin::ui
