#pragma once

#include <QString>

class QWidget;

namespace tesorin::oldworkareas {

// Called where a work area is being opened and the file at path turns out to
// be a Jet file: refuses one that is no work area of the program Tesorin
// replaces, with its message, before anything is asked; else asks whether to
// convert it, converts it with a progress dialog and shows the report. True when the file at path
// is now a Tesorin work area, ready to open; false on "No", on "Cancelar" and
// on a refusal (whose message it has shown), with the file left as it was.
bool offerOldWorkAreaConversion(QWidget* parent, const QString& path);

} // namespace tesorin::oldworkareas
