#include "schedule/ui/panProg.h"
#include "schedule/ui/WithoutAmountDelegate.h"

#include "base/Clock.h"
#include "schedule/core/ScheduleListModel.h"
#include "schedule/core/ScheduleRecord.h"
#include "schedule/ui/panConfigAuto.h"
#include "store/DataControl.h"
#include "store/Recordset.h"
#include "store/StoreError.h"
#include "ui/common/DefaultButton.h"
#include "ui/common/centraFormulario.h"

#include "ui/common/ErrorMessage.h"
#include "ui/common/MessageBoxes.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTableView>

namespace tesorin::schedule {

panProg::panProg(store::Database& baseAbierta, const QString& nombreBase, QWidget* parent)
    : QDialog(parent), m_base(baseAbierta), m_nombreBase(nombreBase) {
    setObjectName(QStringLiteral("panProg"));
    setWindowTitle(QStringLiteral("Automatizaciones actualmente programadas"));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(style()->standardIcon(QStyle::SP_FileDialogListView).pixmap(32, 32));
    Label1 =
        new QLabel(QStringLiteral("Este listado muestra los movimientos que se realizarán en "
                                  "forma automática. Puede desactivar el proceso con el botón "
                                  "eliminar o bien modificar los valores con el botón editar."),
                   this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);

    Data1 = new store::DataControl(this);
    Data1->setObjectName(QStringLiteral("Data1"));
    Data1->setRecordSource(QStringLiteral("Select * from Programa order by cuenta"));
    m_model = new ScheduleListModel(*Data1, this);

    DBGrid1 = new QTableView(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setAccessibleName(QStringLiteral("Movimientos programados"));
    DBGrid1->setModel(m_model);
    DBGrid1->setItemDelegate(new WithoutAmountDelegate(DBGrid1));
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed);
    DBGrid1->setTabKeyNavigation(false);
    DBGrid1->verticalHeader()->setDefaultSectionSize(DBGrid1->fontMetrics().height() + 8);
    // Row selectors, as in the main grid: the current row shows its mark.
    DBGrid1->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    DBGrid1->verticalHeader()->setFixedWidth(DBGrid1->fontMetrics().height() + 4);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    Label1->setBuddy(DBGrid1);

    Command1 = new QPushButton(QStringLiteral("&Nuevo programa..."), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command3 = new QPushButton(QStringLiteral("&Editar..."), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command4 = new QPushButton(QStringLiteral("E&liminar"), this);
    Command4->setObjectName(QStringLiteral("Command4"));
    Command2 = new QPushButton(QStringLiteral("&Salir"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    // No default button: Enter in the grid never starts an operation.
    ui::makeOnlyDefault(*this, nullptr);

    auto* layout = new QGridLayout(this);
    layout->addWidget(Image1, 0, 0, Qt::AlignTop);
    layout->addWidget(Label1, 0, 1);
    layout->addWidget(DBGrid1, 1, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addWidget(Command3);
    buttons->addWidget(Command4);
    buttons->addStretch();
    buttons->addWidget(Command2);
    layout->addLayout(buttons, 2, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    resize(820, 420);

    connect(Data1, &store::DataControl::Reposition, this, &panProg::Data1_Reposition);
    connect(Data1, &store::DataControl::rowsReset, this, &panProg::Data1_Reposition);
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &panProg::currentRowChanged);
    connect(m_model, &ScheduleListModel::writeRefused, this, [this](const QString& message) {
        ui::showError(this, message + QStringLiteral("\nLa fila conserva los valores guardados."),
                      ui::kSpacedErrorTitle);
    });
    connect(m_model, &ScheduleListModel::readFailed, this, [this](const QString& message) {
        ui::showError(this, message, ui::kSpacedErrorTitle);
    });
    connect(Command1, &QPushButton::clicked, this, &panProg::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &panProg::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &panProg::Command4_Click);
    connect(Command2, &QPushButton::clicked, this, &panProg::reject);
    Data1_Reposition();
}

void panProg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_centred) {
        m_centred = true;
        ui::centraFormulario(*this);
        Form_Activate();
    }
}

void panProg::Form_Activate() {
    try {
        Data1->setDatabaseName(m_nombreBase);
        Data1->Refresh();
    } catch (const store::StoreError& failure) {
        ui::showError(this, failure.message(), ui::kSpacedErrorTitle);
    }
    DBGrid1->resizeColumnsToContents();
}

void panProg::Data1_Reposition() {
    const bool hasRow = Data1->hasCurrentRow();
    Command3->setEnabled(hasRow);
    Command4->setEnabled(hasRow);
    const int row = int(Data1->currentRow());
    if (hasRow && DBGrid1->currentIndex().row() != row)
        DBGrid1->setCurrentIndex(m_model->index(row, qMax(0, DBGrid1->currentIndex().column())));
}

void panProg::currentRowChanged(const QModelIndex& current, const QModelIndex& previous) {
    if (previous.isValid() && current.row() != previous.row())
        m_model->writePendingRow();
    if (current.isValid()) {
        try {
            Data1->setCurrentRow(current.row());
        } catch (const store::StoreError& failure) {
            ui::showError(this, failure.message(), ui::kSpacedErrorTitle);
        }
    }
}

bool panProg::leaveRow() {
    return m_model->writePendingRow();
}

void panProg::Command1_Click() {
    if (!leaveRow())
        return;
    panConfigAuto editor(m_base, this);
    editor.exec();
    if (editor.Tag == QLatin1String("SI")) {
        try {
            addSchedule(m_base, editor.programacion(), clock::today());
        } catch (const store::StoreError& failure) {
            ui::showError(this, failure.message(), ui::kSpacedErrorTitle);
        }
    }
    Form_Activate();
}

void panProg::Command3_Click() {
    if (!leaveRow() || !Data1->hasCurrentRow())
        return;
    std::int64_t id = 0;
    ScheduleEntry stored;
    try {
        id = Data1->recordset()->currentId();
        stored = readSchedule(m_base, id);
    } catch (const store::StoreError& failure) {
        ui::showError(this, failure.message(), ui::kSpacedErrorTitle);
        Form_Activate();
        return;
    }
    panConfigAuto editor(m_base, this);
    editor.mostrarProgramacion(stored);
    editor.exec();
    if (editor.Tag == QLatin1String("SI")) {
        try {
            rewriteSchedule(m_base, id, editor.programacion());
        } catch (const store::StoreError& failure) {
            ui::showError(this, failure.message(), ui::kSpacedErrorTitle);
        }
    }
    Form_Activate();
}

void panProg::Command4_Click() {
    if (!leaveRow() || !Data1->hasCurrentRow())
        return;
    if (ui::MessageBoxes::ask(
            this, QStringLiteral("Borrar"),
            QStringLiteral("Elimina esta programación de movimiento automátizado ?"),
            QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    try {
        deleteSchedule(m_base, Data1->recordset()->currentId());
    } catch (const store::StoreError& failure) {
        ui::showError(this, failure.message(), ui::kSpacedErrorTitle);
    }
    Form_Activate();
}

void panProg::reject() {
    if (!leaveRow())
        return;
    QDialog::reject();
}

} // namespace tesorin::schedule
