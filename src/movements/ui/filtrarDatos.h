#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace tesorin::store {
class Database;
class DataControl;
} // namespace tesorin::store

namespace tesorin::movements {

// The view filter of the main window: shows panOpcVer over parent and, after
// "Mostrar", puts the chosen view into Data1 as its row source and runs it.
// Returns the caption that describes the new view; nothing when the user
// cancelled or the store refused the view (its message was shown and Data1
// kept the view it had). The dialog is deleted before returning.
std::optional<QString> filtrarDatos(QWidget* parent, store::Database& baseAbierta,
                                    store::DataControl& Data1);

} // namespace tesorin::movements
