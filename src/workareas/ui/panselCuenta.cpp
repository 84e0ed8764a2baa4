#include "workareas/ui/panselCuenta.h"

#include "store/WorkAreaFolder.h"
#include "ui/common/DefaultButton.h"
#include "ui/common/DialogPicture.h"
#include "ui/common/centraFormulario.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace tesorin::workareas {

using store::listWorkAreas;

using ui::dialogPicture;

panselCuenta::panselCuenta(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("panselCuenta"));
    setWindowTitle(QStringLiteral("Seleccione Cuenta"));

    Image9 = dialogPicture(this, QStyle::SP_FileIcon, QStringLiteral("Image9"));
    Label1 = new QLabel(QStringLiteral("Seleccione la cuenta a operar..."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->addItems(listWorkAreas());
    Label1->setBuddy(List1);
    Command1 = new QPushButton(QStringLiteral("&Aceptar"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(QStringLiteral("&Cancelar"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    ui::makeOnlyDefault(*this, Command1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    auto* layout = new QGridLayout(this);
    layout->addWidget(Image9, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(Label1, 0, 1);
    layout->addWidget(List1, 1, 1);
    layout->addLayout(buttons, 2, 0, 1, 2);
    List1->setMinimumWidth(260);

    connect(Command1, &QPushButton::clicked, this, &panselCuenta::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &panselCuenta::reject);

    adjustSize();
    ui::centraFormulario(*this);
}

QString panselCuenta::selectedName() const {
    const QList<QListWidgetItem*> selected = List1->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void panselCuenta::Command1_Click() {
    if (selectedName().isEmpty()) {
        reject();
        return;
    }
    Tag = QStringLiteral("SI");
    accept();
}

void panselCuenta::reject() {
    Tag = QStringLiteral("NO");
    QDialog::reject();
}

} // namespace tesorin::workareas
