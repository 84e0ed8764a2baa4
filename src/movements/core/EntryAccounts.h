#pragma once

#include <QString>
#include <QStringList>

namespace tesorin::store {
class Database;
}

namespace tesorin::movements {

// The accounts the entry dialog offers for a direction ("Nuevo Ingreso" or
// "Nuevo Pago"), in the order the store keeps them: those whose type code is
// the direction's ("IN" or "OU") and those of both ("VS"). Any other Tag
// offers only the accounts of both; an account of any other or an empty type
// is never offered. Throws store::StoreError.
QStringList accountsForEntry(store::Database& db, const QString& direction);

} // namespace tesorin::movements
