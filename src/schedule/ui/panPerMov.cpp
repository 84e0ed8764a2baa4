#include "schedule/ui/panPerMov.h"

#include "schedule/core/Frequency.h"
#include "ui/common/BoxLeaveChecks.h"
#include "ui/common/DefaultButton.h"
#include "ui/common/MultiLineTextBox.h"
#include "ui/common/centraFormulario.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

namespace tesorin::schedule {

using ui::BoxLeaveChecks;

panPerMov::panPerMov(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("panPerMov"));
    setWindowTitle(QStringLiteral("Personalizar el movimiento"));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(style()->standardIcon(QStyle::SP_FileDialogDetailedView).pixmap(32, 32));
    Label1 = new QLabel(QStringLiteral("Esta ventana le permite decir al programa de que forma "
                                       "realizará el movimiento correspondiente, que monto, que "
                                       "detalle, etc."),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);

    Frame2 = new QGroupBox(QStringLiteral("Tipo de movimiento"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Option1 = new QRadioButton(QStringLiteral("ENTRADA"), Frame2);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option2 = new QRadioButton(QStringLiteral("SALIDA"), Frame2);
    Option2->setObjectName(QStringLiteral("Option2"));
    Option2->setChecked(true);
    auto* options = new QHBoxLayout(Frame2);
    options->addWidget(Option1);
    options->addWidget(Option2);
    options->addStretch();

    Label2 = new QLabel(QStringLiteral("Monto del movimiento :"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setMaxLength(12);
    Label2->setBuddy(Text1);
    Label3 = new QLabel(QStringLiteral("Detalle :"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    // Enter closes the dialog, as in the entry dialog's detail; the detail
    // becomes the posted movements' detail, no longer than theirs.
    Text2 = new ui::MultiLineTextBox(150, this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Label3->setBuddy(Text2);
    Command1 = new QPushButton(QStringLiteral("&Cerrar"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    ui::makeOnlyDefault(*this, Command1);

    auto* layout = new QGridLayout(this);
    layout->addWidget(Image1, 0, 0, Qt::AlignTop);
    layout->addWidget(Label1, 0, 1, 1, 2);
    layout->addWidget(Frame2, 1, 0, 1, 3);
    layout->addWidget(Label2, 2, 0, 1, 2);
    layout->addWidget(Text1, 2, 2);
    layout->addWidget(Label3, 3, 0, 1, 3);
    layout->addWidget(Text2, 4, 0, 1, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    layout->addLayout(buttons, 5, 0, 1, 3);
    layout->setColumnStretch(2, 1);
    Label1->setMinimumWidth(340);
    Text2->setMinimumHeight(80);

    m_checks = new BoxLeaveChecks(*this);
    m_checks->watch(Text1, checkAmountBox);

    connect(Command1, &QPushButton::clicked, this, &panPerMov::Command1_Click);
}

void panPerMov::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_centred) {
        m_centred = true;
        ui::centraFormulario(*this);
    }
}

void panPerMov::setDirection(const QString& code) {
    // Neither option is selected for a code that is neither direction.
    Option1->setAutoExclusive(false);
    Option2->setAutoExclusive(false);
    Option1->setChecked(code == kIncome);
    Option2->setChecked(code == kPayment);
    Option1->setAutoExclusive(true);
    Option2->setAutoExclusive(true);
}

QString panPerMov::direction() const {
    return Option1->isChecked() ? kIncome : kPayment;
}

void panPerMov::Command1_Click() {
    // The amount box's own check first, also when Enter closed the dialog
    // from inside it: an amount that is not a number never leaves here.
    if (!m_checks->settle())
        return;
    Tag = QStringLiteral("SI");
    accept();
}

void panPerMov::reject() {
    Tag = QStringLiteral("NO");
    QDialog::reject();
}

} // namespace tesorin::schedule
