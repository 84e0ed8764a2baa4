#pragma once

#include "store/DataControl.h"
#include "ui/common/HoverBevels.h"
#include "workareas/core/ProgramState.h"
#include "workareas/ui/WorkAreaOperations.h"

#include <QMainWindow>
#include <QPointer>
#include <QSet>

#include <array>
#include <functional>

class QAction;
class QLabel;
class QTableView;

namespace tesorin::ui {
class Panel3D;
}

namespace tesorin::movements {
class MovementsModel;
}

namespace tesorin::history {
class HistoryOperations;
}

namespace tesorin::app {

using ui::Panel3D;

class MainStatusBar;

// The main window: the movements of the current work area in the grid
// MSFlexGrid1 (fed by the data control Data1), the button bar, the
// work-area panel, the totals box, the status bar and the menus. It owns the
// program-wide state.
//
// The operations of the features are small controllers in their own
// folders, given this window as their context; principalConexiones.cpp
// creates them and says which menu item and button runs each. A menu item or
// button with nothing to run stays disabled.
class principal : public QMainWindow, private workareas::WorkAreaWindow {
    Q_OBJECT
public:
    static constexpr int kButtons = 7;
    static constexpr int kSplashMs = 3000;

    // splashMs: how long the splash stays up during start-up; 0 leaves it
    // out (tests and the benchmark).
    explicit principal(int splashMs = kSplashMs, QWidget* parent = nullptr);
    ~principal() override;

    // Start-up: captions, baseAbierta on BASE.MDB, the splash, the layout
    // and the grid's rows. When BASE.MDB cannot be opened it shows the
    // store's message and returns false: the program then ends.
    bool Form_Load();

    // baseAbierta, nombreBase, recCuentas, recMovimientos.
    workareas::ProgramState& estado() { return m_estado; }
    store::DataControl& Data1() { return m_data1; }

    // Runs Data1's row source again (the grid and the totals follow); a
    // failure of the store is shown to the user and leaves the grid empty.
    void refreshView() override;

    // Lays the window out for its size; does nothing while minimised.
    void resizea();
    // Every button of the bar back to flat.
    void UndeTodosLosBotones();

    // Controls that the work-area, movement and view operations change.
    QTableView* MSFlexGrid1() const { return m_grid; }
    ui::Panel3D* DBGrid1() const { return m_gridTitle; }
    ui::Panel3D* Label1() const { return m_bottomPanel; }
    ui::Panel3D* SSPanel3() const { return m_workAreaPanel; }

    // The menu item with that objectName ("menuMovPago"); null when none.
    QAction* menuItem(const QString& name) const;
    // Gives a menu item what it runs and enables it. menuMovBorrar,
    // menuMovBuscar and menuCopiarRegistro are enabled only while Data1 has a
    // current row.
    void setMenuHandler(const QString& name, std::function<void()> handler);
    // Gives button index (spboton(i) and botImage(i)) what it runs. Buttons 0
    // and 1 then bring the grid to the front and send Ctrl+Shift+Page Down to
    // the focused control, whatever the action did.
    void setButtonAction(int index, std::function<void()> action);
    // The seven buttons and their pictures usable (a work area is open) or
    // not (it was closed). A button with no action stays disabled.
    void setButtonsEnabled(bool enabled) override;
    // What a click on the work-area panel or its picture Image1 runs.
    void setWorkAreaPanelAction(std::function<void()> action);
    // "$ 0.00" in the three totals (the work area was closed).
    void resetTotals();

    // What ends the program after a failed switch of work areas
    // (QCoreApplication::exit(1) unless set); tests count the calls instead.
    void setProgramEnd(std::function<void()> end);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Construction, one part of the window each.
    void createMenus();
    void createButtonBar(QWidget* parent);
    void createGridArea(QWidget* parent);
    void createBottomPanel(QWidget* parent);
    void conectaAcciones();
    void setSmallestSize();

    void Data1_Reposition();
    void gridCurrentRowChanged(int row);
    void spboton_Click(int index);
    void applyBevels();
    void showTotals(const QString& saldo, const QString& ingresos, const QString& egresos);
    void updateMenuStates();
    // Names "Deshacer" and "Rehacer" after the steps they would undo and make
    // again, and enables each only while it has one.
    void updateHistoryItems();
    void updateButtonStates();
    bool handleHover(QObject* watched, QEvent* event);
    bool isBackground(const QObject* watched) const;

    void copiarRegistro();
    void muestraAcercaDe();

    // What the feature operations reach of the window.
    workareas::ProgramState& state() override { return m_estado; }
    store::DataControl& data1() override { return m_data1; }
    QWidget* parentWindow() override { return this; }
    void setGridCaption(const QString& caption) override;
    void showWorkAreaOpen() override;
    void showNoWorkArea() override;
    void setWorkAreaPanelCaption(const QString& caption) override;
    void endProgram() override;
    void workAreaOpened() override;
    void setWorkAreaMenusEnabled(bool enabled);
    // What runs after every opening of a work area (posting what falls due).
    std::function<void()> m_afterOpening;
    std::function<void()> m_programEnd;

    int m_splashMs;
    workareas::ProgramState m_estado;
    store::DataControl m_data1;
    movements::MovementsModel* m_model = nullptr;

    ui::Panel3D* m_buttonBar = nullptr;
    std::array<ui::Panel3D*, kButtons> m_buttons{};
    std::array<QLabel*, kButtons> m_buttonPictures{};
    std::array<std::function<void()>, kButtons> m_buttonActions;
    bool m_buttonsEnabled = true;

    QWidget* m_background = nullptr;
    QWidget* m_gridArea = nullptr;
    ui::Panel3D* m_gridTitle = nullptr;
    QTableView* m_grid = nullptr;
    bool m_followingData1 = false;

    ui::Panel3D* m_bottomPanel = nullptr;
    ui::Panel3D* m_workAreaPanel = nullptr;
    QLabel* m_workAreaPicture = nullptr;
    QLabel* m_cashBoxPicture = nullptr;
    std::function<void()> m_workAreaPanelAction;
    QWidget* m_totalsBox = nullptr;
    QLabel* m_labSaldo = nullptr;
    QLabel* m_labIng = nullptr;
    QLabel* m_labEgr = nullptr;
    bool m_totalsErrorShown = false;

    MainStatusBar* m_statusBar = nullptr;

    QSet<QAction*> m_wiredItems;
    bool m_hasCurrentRow = false;
    history::HistoryOperations* m_history = nullptr;
    bool m_canUndo = false;
    bool m_canRedo = false;
    ui::HoverBevels m_bevels{kButtons};
};

} // namespace tesorin::app
