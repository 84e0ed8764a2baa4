#include "accounts/ui/panCuentas.h"

#include "accounts/core/AccountTypes.h"
#include "accounts/core/ChartOfAccounts.h"
#include "accounts/ui/panNueCue.h"
#include "store/StoreError.h"
#include "ui/common/DefaultButton.h"
#include "ui/common/centraFormulario.h"

#include "ui/common/ErrorMessage.h"
#include "ui/common/MessageBoxes.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

namespace tesorin::accounts {

panCuentas::panCuentas(store::Database& baseAbierta, std::unique_ptr<store::Recordset>& recCuentas,
                       QWidget* parent)
    : QDialog(parent), m_base(baseAbierta), m_recCuentas(recCuentas) {
    setObjectName(QStringLiteral("panCuentas"));
    setWindowTitle(QStringLiteral("Plan de Cuentas"));

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(QStringLiteral("Cuentas"));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    Command6 = new QPushButton(QStringLiteral("Nueva"), this);
    Command6->setObjectName(QStringLiteral("Command6"));
    Command1 = new QPushButton(QStringLiteral("Borrar"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command3 = new QPushButton(QStringLiteral("Editar"), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command2 = new QPushButton(QStringLiteral("Salir"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    ui::makeOnlyDefault(*this, nullptr);

    auto* layout = new QGridLayout(this);
    layout->addWidget(List1, 0, 0, 1, 4);
    layout->addWidget(Command6, 1, 0);
    layout->addWidget(Command1, 1, 1);
    layout->addWidget(Command3, 1, 2);
    layout->addWidget(Command2, 1, 3);
    resize(400, 380);
    ui::centraFormulario(*this);

    connect(Command6, &QPushButton::clicked, this, &panCuentas::Command6_Click);
    connect(Command1, &QPushButton::clicked, this, &panCuentas::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &panCuentas::Command3_Click);
    connect(Command2, &QPushButton::clicked, this, &QDialog::close);

    refrescaCuentas();
}

void panCuentas::refrescaCuentas() {
    List1->clear();
    withStore([this] { List1->addItems(accountNamesInListOrder(m_base)); });
}

QString panCuentas::selectedName() const {
    const QList<QListWidgetItem*> selected = List1->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void panCuentas::withStore(const std::function<void()>& step) {
    try {
        step();
    } catch (const store::StoreError& error) {
        ui::MessageBoxes::critical(this, QStringLiteral("Error"), error.message());
    }
}

void panCuentas::Command6_Click() {
    panNueCue dialog(this);
    dialog.exec();
    if (dialog.Tag != QLatin1String("SI"))
        return;
    const QString name = dialog.Text1->text();
    const QString code = codeForOption(dialog.chosenOption());
    withStore([&] {
        if (createAccount(m_base, m_recCuentas, name, code) == ChartOutcome::NameTaken) {
            ui::showError(this, QStringLiteral("Cuenta ya creada, pongale otro nombre"),
                          ui::kSpacedErrorTitle);
            return;
        }
        refrescaCuentas();
    });
}

void panCuentas::Command3_Click() {
    const QString name = selectedName();
    std::optional<QString> type;
    withStore([&] {
        type = accountType(m_base, m_recCuentas, name);
        if (!type)
            ui::showError(this, QStringLiteral("Cuenta no localizada"), ui::kSpacedErrorTitle);
    });
    if (!type)
        return;

    panNueCue dialog(this);
    dialog.Text1->setText(name);
    dialog.Command6->setText(QStringLiteral("Cambiar"));
    dialog.chooseOption(optionForCode(*type));
    dialog.exec();
    if (dialog.Tag != QLatin1String("SI"))
        return;
    const QString newName = dialog.Text1->text();
    const QString code = codeForOption(dialog.chosenOption());
    withStore([&] {
        switch (changeAccount(m_base, m_recCuentas, name, newName, code)) {
        case ChartOutcome::NameTaken:
            ui::showError(this, QStringLiteral("Ya existe una cuenta con ese nombre."),
                          ui::kSpacedErrorTitle);
            return;
        case ChartOutcome::NotFound:
            ui::showError(this, QStringLiteral("Cuenta no localizada"), ui::kSpacedErrorTitle);
            return;
        case ChartOutcome::Done:
            refrescaCuentas();
            return;
        }
    });
}

void panCuentas::Command1_Click() {
    if (List1->selectedItems().isEmpty())
        return;
    const QString name = selectedName();
    if (ui::MessageBoxes::ask(this, QStringLiteral("Pregunta"), QStringLiteral("Borra esta cuenta"),
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    withStore([&] {
        if (deleteAccount(m_base, m_recCuentas, name) == ChartOutcome::NotFound) {
            ui::showError(this, QStringLiteral("Cuenta no encontrada.!!"), ui::kSpacedErrorTitle);
            return;
        }
        refrescaCuentas();
    });
}

} // namespace tesorin::accounts
