#include "movements/ui/panOpcVer.h"

#include "base/Clock.h"
#include "store/StoreError.h"
#include "ui/common/centraFormulario.h"

#include "ui/common/DefaultButton.h"
#include "ui/common/ListChoice.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/Named.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tesorin::movements {

using ui::named;

panOpcVer::panOpcVer(store::Database& baseAbierta, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("panOpcVer"));
    setWindowTitle(QStringLiteral("Mostrar movimientos de ..."));

    Label2_2 =
        named(new QLabel(QStringLiteral("Seleccione con click las cuentas :"), this), "Label2_2");
    List1 = named(new QListWidget(this), "List1");
    List1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Label2_2->setBuddy(List1);

    Frame1 = named(new QGroupBox(QStringLiteral("Fechas"), this), "Frame1");
    Label2_0 = named(new QLabel(QStringLiteral("Desde :"), Frame1), "Label2_0");
    calendar1 = named(new QCalendarWidget(Frame1), "calendar1");
    Label2_0->setBuddy(calendar1);
    Label2_1 = named(new QLabel(QStringLiteral("Hasta :"), Frame1), "Label2_1");
    Calendar2 = named(new QCalendarWidget(Frame1), "Calendar2");
    Label2_1->setBuddy(Calendar2);
    Check1 = named(new QCheckBox(QStringLiteral("Todas las fechas"), Frame1), "Check1");
    Command1 = named(new QPushButton(QStringLiteral("Hoy"), Frame1), "Command1");

    Frame2 = named(new QGroupBox(QStringLiteral("Ordenar por ..."), this), "Frame2");
    Option1_1 = named(new QRadioButton(QStringLiteral("Cuenta, Fecha"), Frame2), "Option1_1");
    Option1_0 = named(new QRadioButton(QStringLiteral("Fecha, Cuenta"), Frame2), "Option1_0");
    Option1_0->setChecked(true);

    Command4 = named(new QPushButton(QStringLiteral("Mostrar"), this), "Command4");
    Command2 = named(new QPushButton(QStringLiteral("&Cancelar"), this), "Command2");
    ui::makeOnlyDefault(*this, Command4);

    auto* dates = new QGridLayout(Frame1);
    dates->addWidget(Label2_0, 0, 0);
    dates->addWidget(Label2_1, 0, 1);
    dates->addWidget(calendar1, 1, 0);
    dates->addWidget(Calendar2, 1, 1);
    dates->addWidget(Check1, 2, 0);
    dates->addWidget(Command1, 2, 1, Qt::AlignLeft);

    auto* order = new QVBoxLayout(Frame2);
    order->addWidget(Option1_1);
    order->addWidget(Option1_0);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command4);
    buttons->addWidget(Command2);

    auto* layout = new QGridLayout(this);
    layout->addWidget(Label2_2, 0, 0);
    layout->addWidget(List1, 1, 0);
    layout->addWidget(Frame1, 0, 1, 2, 1);
    layout->addWidget(Frame2, 2, 0);
    layout->addLayout(buttons, 2, 1, Qt::AlignBottom);
    layout->setColumnStretch(0, 1);
    List1->setMinimumWidth(240);

    setTabOrder(List1, calendar1);
    setTabOrder(calendar1, Calendar2);
    setTabOrder(Calendar2, Check1);
    setTabOrder(Check1, Command1);
    setTabOrder(Command1, Option1_1);
    setTabOrder(Option1_1, Option1_0);
    setTabOrder(Option1_0, Command4);
    setTabOrder(Command4, Command2);

    m_choice = new ui::ListChoice(List1);
    connect(Command1, &QPushButton::clicked, this, &panOpcVer::Command1_Click);
    connect(Command4, &QPushButton::clicked, this, &panOpcVer::Command4_Click);
    connect(Command2, &QPushButton::clicked, this, &panOpcVer::reject);

    Command1_Click();
    try {
        List1->addItems(viewAccountEntries(baseAbierta));
    } catch (const store::StoreError& error) {
        ui::MessageBoxes::critical(this, QStringLiteral("Error"), error.message());
    }
    adjustSize();
    ui::centraFormulario(*this);
    List1->setFocus();
}

int panOpcVer::ListIndex() const {
    return m_choice->row();
}

QString panOpcVer::currentEntryText() const {
    const QListWidgetItem* entry = ListIndex() >= 0 ? List1->item(ListIndex()) : nullptr;
    return entry ? entry->text() : QString();
}

ViewChoice panOpcVer::choice() const {
    ViewChoice chosen;
    for (int row = 0; row < List1->count(); ++row) {
        if (List1->item(row)->isSelected())
            chosen.selectedEntries << List1->item(row)->text();
    }
    chosen.currentEntry = currentEntryText();
    chosen.allDates = Check1->isChecked();
    chosen.from = calendar1->selectedDate();
    chosen.to = Calendar2->selectedDate();
    chosen.byAccountThenDate = Option1_1->isChecked();
    return chosen;
}

void panOpcVer::Command1_Click() {
    const QDate today = clock::today();
    calendar1->setSelectedDate(today);
    Calendar2->setSelectedDate(today);
}

void panOpcVer::Command4_Click() {
    if (ListIndex() == -1) {
        ui::MessageBoxes::critical(
            this, QStringLiteral("E r r o r"),
            QStringLiteral("Debe seleccionar una cuenta o bien seleccionar la "
                           "opcion <MOSTRAR TODAS LAS CUENTAS>"));
        return;
    }
    Tag = QStringLiteral("SI");
    accept();
}

void panOpcVer::reject() {
    Tag = QStringLiteral("NO");
    QDialog::reject();
}

} // namespace tesorin::movements
