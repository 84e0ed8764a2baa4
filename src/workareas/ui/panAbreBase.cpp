#include "workareas/ui/panAbreBase.h"

#include "store/WorkAreaFolder.h"
#include "ui/common/DefaultButton.h"
#include "ui/common/DialogPicture.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace tesorin::workareas {

using store::listWorkAreas;

using ui::dialogPicture;

panAbreBase::panAbreBase(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("panAbreBase"));
    setWindowTitle(QStringLiteral("Abrir base de datos o caja"));

    Image1 = dialogPicture(this, QStyle::SP_DirIcon, QStringLiteral("Image1"));
    Label1 = new QLabel(
        QStringLiteral("Seleccione la caja o base de datos con la cual desee trabajar."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label2 = new QLabel(QStringLiteral("Nombre del área de trabajo o caja :"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->addItems(listWorkAreas());
    Label2->setBuddy(List1);
    Command7 = new QPushButton(QStringLiteral("Abrir !"), this);
    Command7->setObjectName(QStringLiteral("Command7"));
    Command1 = new QPushButton(QStringLiteral("Salir"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    ui::makeOnlyDefault(*this, Command7);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command7);
    buttons->addWidget(Command1);
    auto* layout = new QGridLayout(this);
    layout->addWidget(Image1, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(Label1, 0, 1);
    layout->addWidget(Label2, 1, 1);
    layout->addWidget(List1, 2, 1);
    layout->addLayout(buttons, 3, 0, 1, 2);
    Label1->setMinimumWidth(360);

    connect(Command7, &QPushButton::clicked, this, &panAbreBase::Command7_Click);
    connect(List1, &QListWidget::itemDoubleClicked, this, &panAbreBase::Command7_Click);
    connect(Command1, &QPushButton::clicked, this, &panAbreBase::reject);
}

QString panAbreBase::selectedName() const {
    const QList<QListWidgetItem*> selected = List1->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void panAbreBase::Command7_Click() {
    if (selectedName().isEmpty())
        return;
    Tag = QStringLiteral("SI");
    accept();
}

void panAbreBase::reject() {
    Tag = QStringLiteral("NO");
    QDialog::reject();
}

} // namespace tesorin::workareas
