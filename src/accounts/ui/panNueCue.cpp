#include "accounts/ui/panNueCue.h"

#include "accounts/core/AccountTypes.h"
#include "ui/common/DefaultButton.h"
#include "ui/common/centraFormulario.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tesorin::accounts {

panNueCue::panNueCue(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("panNueCue"));
    setWindowTitle(QStringLiteral("Nueva Cuenta"));

    Label1 = new QLabel(QStringLiteral("Ingrese el nombre de la cuenta a crear :"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setMaxLength(50);
    Label1->setBuddy(Text1);

    Frame1 = new QGroupBox(QStringLiteral("Tipo de Cuenta"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    const char* const captions[] = {"Cuenta imputable a ingresos.", "Cuenta imputable a egresos.",
                                    "Cuenta imputable a ambos tipos."};
    m_options = new QButtonGroup(this);
    auto* frameLayout = new QVBoxLayout(Frame1);
    for (int i = 0; i < 3; ++i) {
        Option1[i] = new QRadioButton(QString::fromUtf8(captions[i]), Frame1);
        Option1[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
        m_options->addButton(Option1[i], i);
        frameLayout->addWidget(Option1[i]);
    }
    Option1[kBothOption]->setChecked(true);

    Command6 = new QPushButton(QStringLiteral("Nueva"), this);
    Command6->setObjectName(QStringLiteral("Command6"));
    Command2 = new QPushButton(QStringLiteral("Salir"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    ui::makeOnlyDefault(*this, Command6);

    auto* layout = new QGridLayout(this);
    layout->addWidget(Label1, 0, 0);
    layout->addWidget(Text1, 1, 0);
    layout->addWidget(Frame1, 2, 0, 2, 1);
    layout->addWidget(Command6, 0, 1, 2, 1, Qt::AlignBottom);
    layout->addWidget(Command2, 2, 1, Qt::AlignTop);
    layout->setColumnStretch(0, 1);
    layout->setColumnMinimumWidth(0, 330);

    setTabOrder(Text1, Option1[0]);
    setTabOrder(Option1[0], Command6);
    setTabOrder(Command6, Command2);

    adjustSize();
    ui::centraFormulario(*this);

    connect(Command6, &QPushButton::clicked, this, &panNueCue::Command6_Click);
    connect(Command2, &QPushButton::clicked, this, &panNueCue::Command2_Click);
}

int panNueCue::chosenOption() const {
    return m_options->checkedId();
}

void panNueCue::chooseOption(int option) {
    if (option >= 0 && option < 3) {
        Option1[option]->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked; let go of it for a moment.
    m_options->setExclusive(false);
    for (QRadioButton* button : Option1)
        button->setChecked(false);
    m_options->setExclusive(true);
}

void panNueCue::Command6_Click() {
    // An empty name is refused without a word: the dialog simply stays.
    if (Text1->text().isEmpty())
        return;
    Tag = QStringLiteral("SI");
    accept();
}

void panNueCue::Command2_Click() {
    Tag = QStringLiteral("NO");
    reject();
}

} // namespace tesorin::accounts
