#pragma once

#include "app/HoverBevels.h"
#include "app/ProgramState.h"
#include "store/DataControl.h"

#include <QMainWindow>
#include <QPointer>
#include <QSet>

#include <array>
#include <functional>

namespace tesorin::movements {
class panNueIngreso;
}

class QAction;
class QLabel;
class QTableView;

namespace tesorin::store {
enum class WorkAreaSwitch;
}

namespace tesorin::app {

class MainStatusBar;
class MovementsModel;
class Panel3D;

// The main window: the movements of the current work area in the grid
// MSFlexGrid1 (fed by the data control Data1), the button bar, the
// work-area panel, the totals box, the status bar and the menus. It owns the
// program-wide state.
//
// The operations of the other parts of the program are methods of this
// class defined in their own folders; principalConexiones.cpp says which
// menu item and button runs each. A menu item or button with nothing to run
// stays disabled.
class principal : public QMainWindow {
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

    // espacioTrabajo, baseAbierta, nombreBase, recCuentas, recMovimientos.
    ProgramState& estado() { return m_estado; }
    store::DataControl& Data1() { return m_data1; }

    // Runs Data1's row source again (the grid and the totals follow); a
    // failure of the store is shown to the user and leaves the grid empty.
    void refreshView();

    // Lays the window out for its size; does nothing while minimised.
    void resizea();
    // Every button of the bar back to flat.
    void UndeTodosLosBotones();

    // Controls that the work-area, movement and view operations change.
    QTableView* MSFlexGrid1() const { return m_grid; }
    Panel3D* DBGrid1() const { return m_gridTitle; }
    Panel3D* Label1() const { return m_bottomPanel; }
    Panel3D* SSPanel3() const { return m_workAreaPanel; }

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
    void setButtonsEnabled(bool enabled);
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
    void updateButtonStates();
    bool handleHover(QObject* watched, QEvent* event);
    bool isBackground(const QObject* watched) const;

    void copiarRegistro();
    void muestraAcercaDe();

    // View filter and search (src/movements/principalVista.cpp).
    void filtrarDatos();
    void buscarMovimiento();

    // Sums and balances and the charts (src/reports/principalInformes.cpp).
    void muestraSumas();
    void muestraGraficoMensual();
    void muestraGraficoAnual();

    // Printed statement (src/reports/principalEstadoDeCuenta.cpp).
    void imprimeInforme();

    // Scheduled movements (src/schedule/principalProgramas.cpp).
    // Shows the schedule list.
    void verProgramados();
    // Offers to record what the schedules owe; run after every opening of a
    // work area (start-up, new, open, choose).
    void asentarProgramados();

    // Work areas (src/store/principalCajas.cpp).
    void nuevaCaja();
    void abrirCaja();
    void eligeCaja();
    void cerrarCaja();
    bool cambiaDeCaja(store::WorkAreaSwitch how, const std::function<void()>& cambia);
    void muestraCajaAbierta();
    void muestraSinCaja();
    void setWorkAreaMenusEnabled(bool enabled);
    std::function<void()> m_programEnd;

    int m_splashMs;
    ProgramState m_estado;
    store::DataControl m_data1;
    MovementsModel* m_model = nullptr;

    Panel3D* m_buttonBar = nullptr;
    std::array<Panel3D*, kButtons> m_buttons{};
    std::array<QLabel*, kButtons> m_buttonPictures{};
    std::array<std::function<void()>, kButtons> m_buttonActions;
    bool m_buttonsEnabled = true;

    QWidget* m_background = nullptr;
    QWidget* m_gridArea = nullptr;
    Panel3D* m_gridTitle = nullptr;
    QTableView* m_grid = nullptr;
    bool m_followingData1 = false;

    Panel3D* m_bottomPanel = nullptr;
    Panel3D* m_workAreaPanel = nullptr;
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
    HoverBevels m_bevels{kButtons};

    // Movements (src/movements/principalMovimientos.cpp).
    void conectaMovimientos();
    void nuevoIngreso();
    void nuevoPago();
    void editoPago();
    void borraMov();
    void MSFlexGrid1_DblClick();
    bool hayCajaAbierta();
    // The entry dialog, loaded on first use; nuevoIngreso leaves it loaded.
    movements::panNueIngreso& panNueIngresoCargado();
    void descargaPanNueIngreso();
    QPointer<movements::panNueIngreso> m_panNueIngreso;

    // Chart of accounts (src/accounts/principalCuentas.cpp).
    void muestraCuentas();
};

} // namespace tesorin::app
