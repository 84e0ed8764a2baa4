#include "oldworkareas/ui/ConversionQuestion.h"

#include <QMessageBox>
#include <QPushButton>

namespace tesorin::oldworkareas {

QString conversionQuestionText(const QString& fileName) {
    return QStringLiteral(
               "La caja %1 fue creada con el programa anterior. ¿Convertirla para usarla "
               "en Tesorin? El archivo original se guarda sin cambios en la carpeta "
               "«anteriores».")
        .arg(fileName);
}

bool askToConvert(QWidget* parent, const QString& fileName) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Pregunta"),
                    conversionQuestionText(fileName), QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("preguntaConvertir"));
    QPushButton* yes = box.addButton(QStringLiteral("&Sí"), QMessageBox::YesRole);
    yes->setObjectName(QStringLiteral("si"));
    QPushButton* no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    no->setObjectName(QStringLiteral("no"));
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

} // namespace tesorin::oldworkareas
