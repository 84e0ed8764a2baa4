#include "workareas/ui/panNueCaja.h"

#include "ui/common/DefaultButton.h"
#include "ui/common/DialogPicture.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/centraFormulario.h"
#include "workareas/core/WorkAreaName.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>

namespace tesorin::workareas {

using ui::dialogPicture;

panNueCaja::panNueCaja(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("panNueCaja"));
    setWindowTitle(QStringLiteral("Nueva Caja (Area de trabajo nueva)"));

    Image1 = dialogPicture(this, QStyle::SP_FileDialogNewFolder, QStringLiteral("Image1"));
    Label1 =
        new QLabel(QStringLiteral("Que nombre desea colocarle a esta nueva área de trabajo ??, "
                                  "no podrá utilizar caracteres especiales, solo digite "
                                  "letras y números."),
                   this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label2 = new QLabel(QStringLiteral("Nombre del área :"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Label2->setBuddy(Text1);
    Command7 = new QPushButton(QStringLiteral("Crear !"), this);
    Command7->setObjectName(QStringLiteral("Command7"));
    Command1 = new QPushButton(QStringLiteral("Salir"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    ui::makeOnlyDefault(*this, Command7);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command7);
    buttons->addWidget(Command1);
    auto* layout = new QGridLayout(this);
    layout->addWidget(Image1, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(Label1, 0, 1, 1, 2);
    layout->addWidget(Label2, 1, 1);
    layout->addWidget(Text1, 1, 2);
    layout->addLayout(buttons, 2, 0, 1, 3);
    layout->setColumnStretch(2, 1);
    Label1->setMinimumWidth(380);

    connect(Command7, &QPushButton::clicked, this, &panNueCaja::Command7_Click);
    connect(Command1, &QPushButton::clicked, this, &panNueCaja::reject);

    adjustSize();
    ui::centraFormulario(*this);
    Text1->setFocus();
}

void panNueCaja::Command7_Click() {
    if (const auto refusal = refuseNewWorkAreaName(Text1->text())) {
        ui::MessageBoxes::critical(this, QStringLiteral("E r r o r"), refusal->message,
                                   QMessageBox::Ok);
        if (refusal->clearsName)
            Text1->clear();
        Text1->setFocus();
        return;
    }
    Tag = QStringLiteral("SI");
    accept();
}

void panNueCaja::reject() {
    Tag = QStringLiteral("NO");
    QDialog::reject();
}

} // namespace tesorin::workareas
