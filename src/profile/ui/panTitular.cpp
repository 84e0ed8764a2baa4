#include "profile/ui/panTitular.h"

#include "ui/common/DefaultButton.h"
#include "ui/common/Named.h"
#include "ui/common/centraFormulario.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tesorin::profile {

panTitular::panTitular(const QStringList& values, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("panTitular"));
    setWindowTitle(QStringLiteral("Datos del titular"));

    auto* layout = new QGridLayout(this);
    auto* intro = ui::named(new QLabel(QStringLiteral("Estos datos encabezan el estado de cuenta "
                                                      "de la caja."),
                                       this),
                            "Label0");
    intro->setWordWrap(true);
    layout->addWidget(intro, 0, 0, 1, 2);
    for (int i = 0; i < kProfileFields; ++i) {
        const ProfileField& field = profileFields()[size_t(i)];
        Text1[i] = new QLineEdit(values.value(i), this);
        Text1[i]->setObjectName(QStringLiteral("Text1_%1").arg(i));
        Text1[i]->setMaxLength(kProfileFieldLength);
        Text1[i]->setMinimumWidth(300);
        Label1[i] = new QLabel(QString::fromUtf8(field.label) + QStringLiteral(" :"), this);
        Label1[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
        Label1[i]->setBuddy(Text1[i]);
        layout->addWidget(Label1[i], i + 1, 0);
        layout->addWidget(Text1[i], i + 1, 1);
    }
    Command1 = ui::named(new QPushButton(QStringLiteral("&Aceptar"), this), "Command1");
    Command2 = ui::named(new QPushButton(QStringLiteral("&Cancelar"), this), "Command2");
    ui::makeOnlyDefault(*this, Command1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    layout->addLayout(buttons, kProfileFields + 1, 0, 1, 2);
    layout->setColumnStretch(1, 1);

    connect(Command1, &QPushButton::clicked, this, [this] {
        Tag = QStringLiteral("SI");
        accept();
    });
    connect(Command2, &QPushButton::clicked, this, &panTitular::reject);
    adjustSize();
    ui::centraFormulario(*this);
}

QStringList panTitular::values() const {
    QStringList texts;
    for (const QLineEdit* box : Text1)
        texts << box->text();
    return texts;
}

void panTitular::reject() {
    Tag = QStringLiteral("NO");
    QDialog::reject();
}

} // namespace tesorin::profile
