#pragma once

#include "ui/common/OperationContext.h"

#include <QObject>

#include <functional>
#include <memory>

namespace tesorin::workareas {

enum class WorkAreaSwitch;
class WorkAreaLock;

// What the work-area operations change of the main window besides the
// shared context: how it shows an open work area or none.
class WorkAreaWindow : public ui::OperationContext {
public:
    // The grid, its title, the menus that read a work area and the bottom
    // panel as they are while a work area is open.
    virtual void showWorkAreaOpen() = 0;
    // The window as it is with no work area: grid hidden, "NO HAY BASE
    // ACTIVA", buttons and menus that read a work area disabled, totals at 0.
    virtual void showNoWorkArea() = 0;
    virtual void setButtonsEnabled(bool enabled) = 0;
    virtual void setWorkAreaPanelCaption(const QString& caption) = 0;
    // Ends the program after a switch that failed.
    virtual void endProgram() = 0;
    // Runs what follows every opening of a work area.
    virtual void workAreaOpened() = 0;

protected:
    ~WorkAreaWindow() = default;
};

// The main window's work-area operations: new, open, choose and close.
class WorkAreaOperations : public QObject {
public:
    WorkAreaOperations(WorkAreaWindow& window, QObject* parent);

    void nuevaCaja();
    void abrirCaja();
    void eligeCaja();
    void cerrarCaja();

private:
    // Runs cambia; on success lock becomes the current work area's lock.
    bool cambiaDeCaja(WorkAreaSwitch how, std::shared_ptr<WorkAreaLock> lock,
                      const std::function<void()>& cambia);
    // Switches to a work area chosen in a list ("Abrir", the panel): its lock
    // first, then the offer to convert an old one, then the switch.
    bool switchToChosen(WorkAreaSwitch how, const QString& name);

    WorkAreaWindow& m_window;
};

} // namespace tesorin::workareas
