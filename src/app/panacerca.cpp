#include "app/panacerca.h"

#include "base/ProgramInfo.h"
#include "store/WorkAreaFolder.h"
#include "ui/common/Pictures.h"
#include "ui/common/centraFormulario.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tesorin::app {

using ui::centraFormulario;
namespace pictures = ui::pictures;

panacerca::panacerca(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("panacerca"));
    setWindowTitle(QStringLiteral("Acerca de..."));

    auto* image1 = new QLabel(this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setPixmap(pictures::logo(64));
    image1->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* frame1 = new QGroupBox(this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto* text1 = new QPlainTextEdit(frame1);
    text1->setObjectName(QStringLiteral("Text1"));
    text1->setAccessibleName(QStringLiteral("Acerca de Tesorin!"));
    text1->setReadOnly(true);
    text1->setPlainText(QStringLiteral("Tesorin!\n"
                                       "Versión %1 para Linux\n"
                                       "\n"
                                       "Copyright © Velmora! Todos los derechos reservados.")
                            .arg(QLatin1String(program::kVersion)));
    text1->setFixedHeight(text1->fontMetrics().lineSpacing() * 5 + 12);
    auto* folder = new QLabel(
        store::workAreaFolderDescription(store::workAreaFolder(), store::workAreasReadOnly()),
        frame1);
    folder->setObjectName(QStringLiteral("labCarpeta"));
    folder->setWordWrap(true);
    folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* frameLayout = new QVBoxLayout(frame1);
    frameLayout->addWidget(text1);
    frameLayout->addWidget(folder);

    auto* label1 = new QLabel(
        QStringLiteral("Advertencia: este programa está protegido por las leyes de derechos de "
                       "autor. Su reproducción o distribución no autorizada, total o parcial, "
                       "está prohibida."),
        this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setWordWrap(true);

    auto* command1 = new QPushButton(QStringLiteral("&Aceptar"), this);
    command1->setObjectName(QStringLiteral("Command1"));
    command1->setDefault(true);
    connect(command1, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(image1);
    top->addWidget(frame1, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(label1, 1);
    bottom->addWidget(command1, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(bottom);
    setFixedWidth(460);
    adjustSize();

    centraFormulario(*this);
    command1->setFocus();
}

} // namespace tesorin::app
