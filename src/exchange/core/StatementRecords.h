#pragma once

#include "exchange/core/BankStatement.h"

#include <QString>
#include <QVector>

#include <cstdint>

namespace tesorin::store {
class Database;
}

namespace tesorin::exchange {

// The statements imported into a work area live in tables of the exchange's
// own, created the first time a statement with balances is imported:
// "Extractos" (idExtracto, Cuenta: the Tesorin account, Desde and Hasta: the
// period as 'YYYY-MM-DD', SaldoInicial and SaldoFinal: the balances as the
// store keeps money, empty when the file gives none, Archivo: the file's
// name, Importado: the day of the import) and "ExtractoMovimientos"
// (idExtracto, idMovimiento): the movements each statement brought.

inline constexpr const char* kStatementsTable = "Extractos";
inline constexpr const char* kStatementMovementsTable = "ExtractoMovimientos";

// Creates both tables when the work area lacks them. Throws store::StoreError.
void prepareStatementTables(store::Database& db);

// Writes the statements inside the caller's transaction. movementOfRow gives
// the identifier each read row was stored as (0: not stored); a statement
// none of whose rows was stored is left out, unless it had no rows at all.
// accountOfRow gives the Tesorin account a row went to. Throws
// store::StoreError.
void writeStatements(store::Database& db, const BankStatements& statements,
                     const QVector<std::int64_t>& movementOfRow,
                     const QVector<QString>& accountOfRow, const QString& fallbackAccount,
                     const QString& fileName);

} // namespace tesorin::exchange
