#pragma once

#include <QString>

namespace tesorin::store {
class Database;
}

namespace tesorin::reports {

// The condition "Fecha between ?first and ?last" (inclusive, on the stored
// text) for a query over Movimientos, written so that SQLite reads the rows
// the fastest way: a range holding a fair share of the movements is read by
// scanning the table in storage order, a narrow one through the index on
// Fecha. The caller binds first and last at the given parameter numbers.
QString fechaBetween(store::Database& db, const QString& first, const QString& last,
                     int firstParameter, int lastParameter);

} // namespace tesorin::reports
