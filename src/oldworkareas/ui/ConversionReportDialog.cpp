#include "oldworkareas/ui/ConversionReportDialog.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tesorin::oldworkareas {

ConversionReportDialog::ConversionReportDialog(const ConversionReport& report, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("informeConversion"));
    setWindowTitle(QStringLiteral("Caja convertida: %1").arg(report.fileName));

    auto* label = new QLabel(QStringLiteral("&Informe de la conversión:"), this);
    label->setObjectName(QStringLiteral("etiquetaInforme"));
    auto* text = new QPlainTextEdit(reportText(report), this);
    text->setObjectName(QStringLiteral("informe"));
    text->setReadOnly(true);
    text->setTabChangesFocus(true);
    text->setAccessibleName(QStringLiteral("Informe de la conversión"));
    label->setBuddy(text);
    auto* accept = new QPushButton(QStringLiteral("&Aceptar"), this);
    accept->setObjectName(QStringLiteral("aceptar"));
    accept->setDefault(true);
    connect(accept, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(text);
    layout->addWidget(accept, 0, Qt::AlignRight);
    resize(620, 420);
    accept->setFocus();
}

} // namespace tesorin::oldworkareas
