#pragma once

#include "exchange/core/ImportRow.h"

#include <QByteArray>

namespace tesorin::exchange {

// Reads the bank and card transactions of an OFX 1.x (SGML) or 2.x (XML)
// statement, or a QFX, through libofx. Each row keeps the bank's FITID,
// prefixed with the statement's account id so that ids of two accounts
// never meet. Throws ExchangeError when the bank reports an error status or
// the statement holds no transaction.
ReadResult readOfx(const QByteArray& bytes);

} // namespace tesorin::exchange
