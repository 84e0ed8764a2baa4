#pragma once

#include "exchange/core/BankStatement.h"

#include <QByteArray>

#include <optional>

namespace tesorin::exchange {

// The statement of an OFX file with one account: the period of its
// transaction list (DTSTART, DTEND of BANKTRANLIST), its ledger balance
// (LEDGERBAL's BALAMT, as of DTASOF, which ends the period when the list
// gives no end) and the account id; the statement takes all rowCount rows.
// None when the file has no or an unreadable ledger balance, or several
// accounts: nothing is guessed.
std::optional<BankStatement> readOfxStatement(const QByteArray& bytes, int rowCount);

} // namespace tesorin::exchange
