#pragma once

#include "exchange/core/BankStatement.h"
#include "exchange/core/ImportRow.h"

#include <QByteArray>

namespace tesorin::exchange {

// What a Norma 43 file holds: its movements, in file order, and one
// statement per account, each naming the rows it brought.
struct Norma43File {
    ReadResult result;
    BankStatements statements;
};

// Whether the bytes look like a Norma 43 file: lines of 80 characters (or
// fewer, when the bank cut the trailing blanks), the first one an account
// header ("11") and every line a record code of the format.
bool looksLikeNorma43(const QByteArray& bytes);

// Reads a Norma 43 (AEB "Cuaderno 43") file. Throws ExchangeError naming the
// line for a record that does not read, and naming the account when the
// closing record's counts, totals or balance do not agree with the movements.
// A movement of amount 0 is read, with the advice to leave it out.
Norma43File readNorma43(const QByteArray& bytes);

} // namespace tesorin::exchange
