#include "movements/ui/panBuscar.h"

#include "accounts/core/ChartOfAccounts.h"
#include "base/Clock.h"
#include "base/Regional.h"
#include "store/StoreError.h"
#include "ui/common/centraFormulario.h"

#include "ui/common/DefaultButton.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/MultiLineTextBox.h"
#include "ui/common/Named.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tesorin::movements {

using ui::named;

using ui::named;

namespace {

// A ticked "any value" box leaves its criterion open and the box that holds
// the criterion unusable.
void disabledWhileTicked(QCheckBox* check, QWidget* input) {
    QObject::connect(check, &QCheckBox::toggled, input,
                     [input](bool ticked) { input->setEnabled(!ticked); });
}

} // namespace

panBuscar::panBuscar(store::Database& baseAbierta, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("panBuscar"));
    setWindowTitle(QStringLiteral("Buscar Movimiento"));

    Frame1 = named(new QGroupBox(QStringLiteral(" En la Fecha "), this), "Frame1");
    calendar1 = named(new QCalendarWidget(Frame1), "calendar1");
    calendar1->setAccessibleName(QStringLiteral("En la Fecha"));
    Check1 = named(new QCheckBox(QStringLiteral("En cualquier fecha"), Frame1), "Check1");

    Frame2 = named(new QGroupBox(QStringLiteral(" En la cuenta "), this), "Frame2");
    Combo1 = named(new QComboBox(Frame2), "Combo1");
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setAccessibleName(QStringLiteral("En la cuenta"));
    Check2 = named(new QCheckBox(QStringLiteral("En cualquier cuenta"), Frame2), "Check2");

    Frame3 = named(new QGroupBox(QStringLiteral(" En el detalle "), this), "Frame3");
    // No longer than a detail the entry dialog takes.
    Text1 = named(new ui::MultiLineTextBox(150, Frame3), "Text1");
    Text1->setAccessibleName(QStringLiteral("En el detalle"));
    Text1->setFixedHeight(Text1->fontMetrics().lineSpacing() * 3 + 12);
    Check3 = named(new QCheckBox(QStringLiteral(" En cualquier detalle"), Frame3), "Check3");

    Command4 = named(new QPushButton(QStringLiteral("Buscar"), this), "Command4");
    Command1 = named(new QPushButton(QStringLiteral("Salir"), this), "Command1");
    ui::makeOnlyDefault(*this, Command4);
    auto* start = new QWidget(this);
    Option1_0 =
        named(new QRadioButton(QStringLiteral("Buscar desde el principio"), start), "Option1_0");
    Option1_1 =
        named(new QRadioButton(QStringLiteral("Buscar desde el final"), start), "Option1_1");
    Option1_2 = named(new QRadioButton(QStringLiteral("Buscar desde la posicion actual"), start),
                      "Option1_2");
    Option1_0->setChecked(true);

    Frame4 = named(new QGroupBox(QStringLiteral(" En el monto "), this), "Frame4");
    Label1 = named(new QLabel(QStringLiteral("Monto $ :"), Frame4), "Label1");
    Text2 = named(new QLineEdit(QStringLiteral("0"), Frame4), "Text2");
    Label1->setBuddy(Text2);
    Check4 = named(new QCheckBox(QStringLiteral("De cualquier monto"), Frame4), "Check4");

    auto* dateBox = new QVBoxLayout(Frame1);
    dateBox->addWidget(calendar1);
    dateBox->addWidget(Check1);
    auto* accountBox = new QVBoxLayout(Frame2);
    accountBox->addWidget(Combo1);
    accountBox->addWidget(Check2);
    auto* detailBox = new QVBoxLayout(Frame3);
    detailBox->addWidget(Text1);
    detailBox->addWidget(Check3);
    auto* startBox = new QVBoxLayout(start);
    startBox->setContentsMargins(0, 0, 0, 0);
    startBox->addWidget(Option1_0);
    startBox->addWidget(Option1_1);
    startBox->addWidget(Option1_2);
    auto* amountBox = new QGridLayout(Frame4);
    amountBox->addWidget(Label1, 0, 0);
    amountBox->addWidget(Text2, 0, 1);
    amountBox->addWidget(Check4, 1, 0, 1, 2);

    auto* left = new QVBoxLayout;
    left->addWidget(Frame1);
    left->addWidget(Frame2);
    left->addWidget(Frame3);
    auto* right = new QVBoxLayout;
    right->addWidget(Command4);
    right->addWidget(Command1);
    right->addSpacing(12);
    right->addWidget(start);
    right->addSpacing(12);
    right->addWidget(Frame4);
    right->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right);

    setTabOrder(calendar1, Check1);
    setTabOrder(Check1, Combo1);
    setTabOrder(Combo1, Check2);
    setTabOrder(Check2, Text1);
    setTabOrder(Text1, Check3);
    setTabOrder(Check3, Command4);
    setTabOrder(Command4, Command1);
    setTabOrder(Command1, Option1_0);
    setTabOrder(Option1_0, Option1_1);
    setTabOrder(Option1_1, Option1_2);
    setTabOrder(Option1_2, Text2);
    setTabOrder(Text2, Check4);

    // "En cualquier fecha" leaves the calendar usable, as it always was.
    disabledWhileTicked(Check2, Combo1);
    disabledWhileTicked(Check3, Text1);
    disabledWhileTicked(Check4, Text2);
    Text2->installEventFilter(this);
    connect(Command4, &QPushButton::clicked, this, &panBuscar::Command4_Click);
    connect(Command1, &QPushButton::clicked, this, &panBuscar::reject);

    calendar1->setSelectedDate(clock::today());
    try {
        Combo1->addItems(accounts::accountNamesInListOrder(baseAbierta));
    } catch (const store::StoreError& error) {
        ui::MessageBoxes::critical(this, QStringLiteral("Error"), error.message());
    }
    Combo1->setCurrentIndex(-1);
    Combo1->setEditText(QString());
    adjustSize();
    ui::centraFormulario(*this);
}

SearchChoice panBuscar::choice() const {
    SearchChoice chosen;
    chosen.anyDate = Check1->isChecked();
    chosen.date = calendar1->selectedDate();
    chosen.anyAccount = Check2->isChecked();
    chosen.account = Combo1->currentText();
    chosen.anyDetail = Check3->isChecked();
    chosen.detail = Text1->toPlainText();
    chosen.anyAmount = Check4->isChecked();
    chosen.amount = Text2->text();
    chosen.start = Option1_0->isChecked()   ? SearchStart::Beginning
                   : Option1_1->isChecked() ? SearchStart::End
                                            : SearchStart::AfterCurrent;
    return chosen;
}

bool panBuscar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text2 && event->type() == QEvent::FocusOut) {
        // Only a move to another control of the dialog counts, not the
        // window losing the focus to another one.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            Text2_LostFocus();
    }
    return QDialog::eventFilter(watched, event);
}

void panBuscar::Text2_LostFocus() {
    if (!regional::readNumber(Text2->text()))
        Text2->setText(QStringLiteral("0"));
}

void panBuscar::Command4_Click() {
    Tag = QStringLiteral("SI");
    accept();
}

void panBuscar::reject() {
    Tag = QStringLiteral("NO");
    QDialog::reject();
}

} // namespace tesorin::movements
