#pragma once

class QWidget;

namespace tesorin::store {
class Database;
class DataControl;
} // namespace tesorin::store

namespace tesorin::movements {

// The search of the main window: shows panBuscar over parent and, after
// "Buscar", makes the matching movement of Data1's rows the current row.
// When none matches it says so and the current row stays where it was; a
// criteria the store refuses is reported with the store's message. The
// dialog is deleted before returning.
void buscarMovimiento(QWidget* parent, store::Database& baseAbierta, store::DataControl& Data1);

} // namespace tesorin::movements
