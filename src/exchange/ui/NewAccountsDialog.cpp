#include "exchange/ui/NewAccountsDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

namespace tesorin::exchange {

NewAccountsDialog::NewAccountsDialog(const QStringList& names, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("panCuentasNuevas"));
    setWindowTitle(QStringLiteral("Pregunta"));
    auto* layout = new QFormLayout(this);
    auto* text = new QLabel(
        QStringLiteral("Estas cuentas no están en el plan de cuentas:\n%1\n\n¿Desea crearlas?")
            .arg(names.join(QStringLiteral(", "))));
    text->setObjectName(QStringLiteral("cuentasNuevas"));
    text->setWordWrap(true);
    text->setAccessibleName(text->text());
    layout->addRow(text);
    m_type = new QComboBox;
    m_type->setObjectName(QStringLiteral("tipoCuentasNuevas"));
    m_type->addItem(QStringLiteral("Ingreso (IN)"), QStringLiteral("IN"));
    m_type->addItem(QStringLiteral("Egreso (OU)"), QStringLiteral("OU"));
    m_type->addItem(QStringLiteral("Ambos (VS)"), QStringLiteral("VS"));
    m_type->setCurrentIndex(2);
    m_type->setAccessibleName(QStringLiteral("Tipo de las cuentas nuevas"));
    auto* label = new QLabel(QStringLiteral("&Tipo de las cuentas nuevas:"));
    label->setBuddy(m_type);
    layout->addRow(label, m_type);
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(QStringLiteral("&Crear e importar"), QDialogButtonBox::AcceptRole)
        ->setObjectName(QStringLiteral("crear"));
    buttons->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cancelar"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addRow(buttons);
}

QString NewAccountsDialog::typeCode() const {
    return m_type->currentData().toString();
}

} // namespace tesorin::exchange
