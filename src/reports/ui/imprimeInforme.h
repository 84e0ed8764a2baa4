#pragma once

#include <QString>

class QWidget;

namespace tesorin::store {
class Database;
}

namespace tesorin::reports {

// "Estado de cuenta": asks with the view dialog, under the caption
// "Seleccione datos a imprimir...", which account (the list's current entry)
// and which dates; on "Mostrar" prints the statement of the work area
// nombreBase for them. Cancelling prints nothing.
void imprimeInforme(QWidget* parent, store::Database& baseAbierta, const QString& nombreBase);

} // namespace tesorin::reports
