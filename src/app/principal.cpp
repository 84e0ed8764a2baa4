#include "app/principal.h"

#include "app/MainStatusBar.h"
#include "app/portada.h"
#include "movements/core/BalancePanel.h"
#include "movements/core/MovementsModel.h"
#include "oldworkareas/core/JetFile.h"
#include "oldworkareas/ui/OldWorkAreaOffer.h"
#include "store/StoreError.h"
#include "store/WorkAreaFolder.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/Panel3D.h"
#include "ui/common/Pictures.h"
#include "workareas/core/WorkAreaLock.h"

#include <QEvent>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMessageBox>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTableView>
#include <QTimer>

namespace tesorin::app {

namespace pictures = ui::pictures;

namespace {
const QString kRowSource = QStringLiteral("select * from Movimientos order by fecha");
// Wide enough for a full date in the narrowest column.
constexpr QSize kFirstSize(1024, 720);
} // namespace

principal::principal(int splashMs, QWidget* parent) : QMainWindow(parent), m_splashMs(splashMs) {
    setObjectName(QStringLiteral("principal"));
    setWindowIcon(pictures::windowIcon());
    m_data1.setObjectName(QStringLiteral("Data1"));
    // Set before any work area opens: start-up may leave none open, and a
    // work area opened later reads this row source.
    m_data1.setRecordSource(kRowSource);
    m_model = new movements::MovementsModel(m_data1, this);

    m_background = new QWidget(this);
    m_background->setObjectName(QStringLiteral("fondo"));
    m_background->setMouseTracking(true);
    m_background->installEventFilter(this);
    setCentralWidget(m_background);
    createButtonBar(m_background);
    createGridArea(m_background);
    createBottomPanel(m_background);
    createMenus();
    m_statusBar = new MainStatusBar(this);
    setStatusBar(m_statusBar);

    setTabOrder(m_buttons.back(), m_grid);
    setTabOrder(m_grid, m_workAreaPanel);

    connect(&m_data1, &store::DataControl::rowsReset, this, [this] { m_totalsErrorShown = false; });
    connect(&m_data1, &store::DataControl::Reposition, this, &principal::Data1_Reposition);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { gridCurrentRowChanged(current.row()); });
    connect(m_model, &movements::MovementsModel::readFailed, this, [this](const QString& message) {
        ui::MessageBoxes::critical(this, QStringLiteral("Error"), message);
    });

    setSmallestSize();
    conectaAcciones();
    updateMenuStates();
    updateButtonStates();
    resize(screen() ? kFirstSize.boundedTo(screen()->availableSize()) : kFirstSize);
}

principal::~principal() {
    // The grid asks its model for rows while it is destroyed, and the model
    // reads Data1, a member that would otherwise go before the children.
    delete m_background;
    delete m_model;
}

bool principal::Form_Load() {
    m_estado.nombreBase = QStringLiteral("BASE.MDB");
    setWindowTitle(QStringLiteral("Tesorin! - [") + m_estado.nombreBase + QStringLiteral("]"));
    m_workAreaPanel->setCaption(QStringLiteral("        ") + m_estado.nombreBase);
    const auto showSplash = [this] {
        if (m_splashMs > 0) {
            portada splash(m_splashMs, this);
            splash.exec();
        }
    };
    // BASE.MDB open in another copy of the program, missing from a folder
    // opened read-only (where it cannot be made), or one of the program
    // Tesorin replaces left unconverted on "No": the program carries on with
    // no work area open, as after a close.
    const QString basePath = store::resolveWorkArea(m_estado.nombreBase);
    const bool missingReadOnly =
        store::workAreasReadOnly() && !store::workAreaExists(m_estado.nombreBase);
    if (missingReadOnly)
        ui::MessageBoxes::warning(
            nullptr, QStringLiteral("Tesorin"),
            QStringLiteral("La carpeta de las cajas es de solo lectura y no tiene la caja %1: "
                           "abra otra caja con \"Abrir cuenta de caja\".")
                .arg(m_estado.nombreBase));
    else
        m_estado.bloqueo = workareas::WorkAreaLock::take(basePath);
    if (!missingReadOnly && !m_estado.bloqueo)
        ui::MessageBoxes::warning(nullptr, QStringLiteral("Tesorin"),
                                  workareas::lockedWorkAreaMessage(m_estado.nombreBase));
    if (!m_estado.bloqueo || (oldworkareas::isOldWorkArea(basePath) &&
                              !oldworkareas::offerOldWorkAreaConversion(nullptr, basePath))) {
        m_estado.bloqueo.reset();
        showSplash();
        resizea();
        showNoWorkArea();
        return true;
    }
    try {
        m_estado.baseAbierta = store::Database::OpenDatabase(m_estado.nombreBase);
    } catch (const store::StoreError& failure) {
        ui::MessageBoxes::critical(nullptr, QStringLiteral("Error"), failure.message());
        return false;
    }
    showSplash();
    resizea();
    m_data1.setDatabaseName(m_estado.nombreBase);
    refreshView();
    // Once the window is up, the schedules' due movements are offered.
    QTimer::singleShot(0, this, [this] { workAreaOpened(); });
    return true;
}

void principal::refreshView() {
    try {
        m_data1.Refresh();
    } catch (const store::StoreError& failure) {
        ui::MessageBoxes::critical(this, QStringLiteral("Error"), failure.message());
    }
}

void principal::Data1_Reposition() {
    const movements::BalancePanel panel = movements::computeBalancePanel(m_data1);
    if (panel.hasCurrentRow != m_hasCurrentRow) {
        m_hasCurrentRow = panel.hasCurrentRow;
        updateMenuStates();
    }
    showTotals(panel.saldo, panel.ingresos, panel.egresos);
    if (panel.hasCurrentRow)
        m_bottomPanel->setCaption(QString());

    const long row = m_data1.currentRow();
    if (row >= 0 && m_grid->currentIndex().row() != row) {
        const QScopedValueRollback following(m_followingData1, true);
        const QModelIndex index = m_model->index(int(row), 0);
        m_grid->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                             QItemSelectionModel::Rows);
        m_grid->scrollTo(index);
    }

    if (!panel.error.isEmpty() && !m_totalsErrorShown) {
        m_totalsErrorShown = true;
        ui::MessageBoxes::critical(this, QStringLiteral("Error"), panel.error);
    }
}

void principal::gridCurrentRowChanged(int row) {
    if (!m_followingData1 && row >= 0)
        m_data1.setCurrentRow(row);
}

void principal::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    resizea();
}

void principal::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        resizea();
        // A dialog that just closed may have made a step.
        updateHistoryItems();
    }
}

} // namespace tesorin::app
