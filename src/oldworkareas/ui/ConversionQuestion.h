#pragma once

#include <QString>

class QWidget;

namespace tesorin::oldworkareas {

// The question asked before an old work area is converted.
QString conversionQuestionText(const QString& fileName);

// Asks it modally ("Sí" / "No", titled "Pregunta"); true on "Sí".
bool askToConvert(QWidget* parent, const QString& fileName);

} // namespace tesorin::oldworkareas
