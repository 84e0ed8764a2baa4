#pragma once

#include <QString>

class QWidget;

namespace tesorin::store {
class DataControl;
}

namespace tesorin::exchange {

// "Exportar movimientos...": asks for the file (CSV, XLSX, QIF or OFX by its
// ending), asks before replacing an existing file and writes the rows of the
// view. Reports failures in a message; returns whether a file was written.
bool exportMovements(QWidget* parent, store::DataControl& data, const QString& workAreaName);

// The part after the file dialog: the overwrite question and the writing.
bool exportMovementsTo(QWidget* parent, store::DataControl& data, const QString& path);

} // namespace tesorin::exchange
