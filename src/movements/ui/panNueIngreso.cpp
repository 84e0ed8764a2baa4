#include "movements/ui/panNueIngreso.h"

#include "base/Clock.h"
#include "base/Regional.h"
#include "movements/core/EntryAccounts.h"
#include "movements/core/EntryDirection.h"
#include "movements/core/LastAccountSetting.h"
#include "store/StoreError.h"
#include "ui/common/BoxLeaveChecks.h"
#include "ui/common/DatePicker.h"
#include "ui/common/DefaultButton.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/MultiLineTextBox.h"
#include "ui/common/Pictures.h"
#include "ui/common/centraFormulario.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace tesorin::movements {

using ui::DatePicker;
using ui::MultiLineTextBox;

namespace {

enum LabelIndex {
    kAmountLabel = 0,
    kDetailLabel = 1,
    kAccountLabel = 2,
    kDateLabel = 3,
    kMediumLabel = 4
};

QLabel* fieldLabel(const char* text, const QString& name, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(name);
    label->setBuddy(buddy);
    return label;
}

} // namespace

panNueIngreso::panNueIngreso(const std::unique_ptr<store::Database>& baseAbierta, QWidget* parent)
    : QDialog(parent), m_base(baseAbierta) {
    setObjectName(QStringLiteral("panNueIngreso"));
    setWindowTitle(kNewIncomeCaption);
    createControls();
    layOut();
    adjustSize();
    ui::centraFormulario(*this);
    DTPicker1->setDate(clock::today());
}

void panNueIngreso::createControls() {
    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(ui::pictures::logo(96));
    Picture1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Picture1->setMargin(12);
    Picture1->setAutoFillBackground(true);
    QPalette strip = Picture1->palette();
    strip.setColor(QPalette::Window, QColor(214, 226, 240));
    Picture1->setPalette(strip);

    Label2 = new QLabel(
        QStringLiteral(
            "Ingrese la información necesaria para almacenar un nuevo movimiento de efectivo."),
        this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);

    DTPicker1 = new DatePicker(this);
    DTPicker1->setObjectName(QStringLiteral("DTPicker1"));

    List1 = new QComboBox(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setEditable(true);
    List1->setInsertPolicy(QComboBox::NoInsert);
    // The typed name stays as typed: it need not be one of the list.
    List1->setCompleter(nullptr);

    Text2 = new MultiLineTextBox(kDetailLength, this);
    Text2->setObjectName(QStringLiteral("Text2"));

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setMaxLength(kAmountLength);
    Text1->setAlignment(Qt::AlignRight);
    QPalette amount = Text1->palette();
    amount.setColor(QPalette::Base, QColor(255, 255, 192));
    amount.setColor(QPalette::Text, Qt::black);
    Text1->setPalette(amount);
    m_checks = new ui::BoxLeaveChecks(*this);
    m_checks->watch(
        Text1,
        [](const QString& text) -> std::optional<schedule::BoxRefusal> {
            if (text.isEmpty() || regional::readNumber(text))
                return std::nullopt;
            return schedule::BoxRefusal{QString(), QStringLiteral("Ingrese una cifra numérica!")};
        },
        {QStringLiteral("Error"), [](const QString& text) {
             const std::optional<Money> typed = regional::readNumber(text);
             return typed ? regional::currency(*typed) : text;
         }});

    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setCompleter(nullptr);
    Combo1->addItems({QStringLiteral("Efectivo"), QStringLiteral("Cheques"),
                      QStringLiteral("Tarjeta"), QStringLiteral("Otras...")});
    Combo1->setCurrentIndex(0);

    Label1[kAmountLabel] = fieldLabel("Monto/Importe :", QStringLiteral("Label1_0"), Text1, this);
    Label1[kDetailLabel] = fieldLabel("Detalles :", QStringLiteral("Label1_1"), Text2, this);
    Label1[kAccountLabel] = fieldLabel("Cuenta :", QStringLiteral("Label1_2"), List1, this);
    Label1[kDateLabel] = fieldLabel("Fecha :", QStringLiteral("Label1_3"), DTPicker1, this);
    Label1[kMediumLabel] = fieldLabel("Tipo :", QStringLiteral("Label1_4"), Combo1, this);

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::HLine);
    Frame1->setFrameShadow(QFrame::Sunken);

    Command6 = new QPushButton(QStringLiteral("Aceptar"), this);
    Command6->setObjectName(QStringLiteral("Command6"));
    Command1 = new QPushButton(QStringLiteral("Cancelar"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    ui::makeOnlyDefault(*this, Command6);

    // The medium comes last of all, after the two buttons.
    setTabOrder(DTPicker1, List1);
    setTabOrder(List1, Text2);
    setTabOrder(Text2, Text1);
    setTabOrder(Text1, Command6);
    setTabOrder(Command6, Command1);
    setTabOrder(Command1, Combo1);

    connect(Command6, &QPushButton::clicked, this, &panNueIngreso::Command6_Click);
    connect(Command1, &QPushButton::clicked, this, &panNueIngreso::Command1_Click);
}

void panNueIngreso::layOut() {
    auto* fields = new QGridLayout;
    fields->addWidget(Label1[kDateLabel], 0, 0);
    fields->addWidget(DTPicker1, 0, 1, Qt::AlignLeft);
    fields->addWidget(Label1[kAccountLabel], 1, 0);
    fields->addWidget(List1, 1, 1);
    fields->addWidget(Label1[kDetailLabel], 2, 0, Qt::AlignTop);
    fields->addWidget(Text2, 2, 1);
    fields->addWidget(Label1[kAmountLabel], 3, 0);
    fields->addWidget(Text1, 3, 1, Qt::AlignLeft);
    fields->addWidget(Label1[kMediumLabel], 4, 0);
    fields->addWidget(Combo1, 4, 1, Qt::AlignLeft);
    fields->setColumnStretch(1, 1);
    DTPicker1->setMinimumWidth(130);
    Text1->setMinimumWidth(170);
    Combo1->setMinimumWidth(170);
    Text2->setFixedHeight(Text2->fontMetrics().lineSpacing() * 4 + 12);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command6);
    buttons->addWidget(Command1);

    auto* right = new QVBoxLayout;
    right->addWidget(Label2);
    right->addSpacing(6);
    right->addLayout(fields);
    right->addSpacing(6);
    right->addWidget(Frame1);
    right->addLayout(buttons);

    auto* whole = new QHBoxLayout(this);
    whole->setContentsMargins(0, 0, 11, 11);
    whole->addWidget(Picture1);
    right->setContentsMargins(0, 11, 0, 0);
    whole->addLayout(right, 1);
    setMinimumWidth(560);
}

void panNueIngreso::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Form_Activate();
}

void panNueIngreso::closeEvent(QCloseEvent* event) {
    m_closedByFrame = true;
    QDialog::closeEvent(event);
}

void panNueIngreso::Form_Activate() {
    List1->clear();
    List1->clearEditText();
    if (m_base) {
        try {
            List1->addItems(accountsForEntry(*m_base, Tag));
        } catch (const store::StoreError& error) {
            ui::MessageBoxes::critical(this, QStringLiteral("Error"), error.message());
        }
    }
    // Adding to an empty list chooses its first entry; no account is chosen.
    List1->setCurrentIndex(-1);
    if (!List1Tag.isEmpty()) {
        const int entry = List1->findText(List1Tag);
        if (entry >= 0)
            List1->setCurrentIndex(entry);
        else
            List1->setEditText(List1Tag);
    }
}

void panNueIngreso::Command6_Click() {
    // A box left by this very click is checked first.
    if (!m_checks->settleLeaving())
        return;
    if (!regional::readNumber(Text1->text())) {
        ui::MessageBoxes::critical(this, QStringLiteral("Error"),
                                   QStringLiteral("Escriba una cifra correcta!"));
        Text1->setFocus();
        return;
    }
    if (List1->currentText().isEmpty()) {
        ui::MessageBoxes::critical(this, QStringLiteral("E r r o r"),
                                   QStringLiteral("Debe seleccionar una cuenta"));
        return;
    }
    // The list entry the text chose; a name typed outside the list chose none.
    const int entry = List1->findText(List1->currentText());
    if (!rememberLastAccount(Tag, entry >= 0 ? List1->itemText(entry) : QString()))
        ui::MessageBoxes::warning(this, QStringLiteral("Error"),
                                  QStringLiteral("No se pudo guardar la última cuenta usada en la "
                                                 "configuración del usuario."));
    Tag = kAccepted;
    accept();
}

void panNueIngreso::Command1_Click() {
    if (!m_checks->settleLeaving())
        return;
    Tag = kCancelled;
    reject();
}

} // namespace tesorin::movements
