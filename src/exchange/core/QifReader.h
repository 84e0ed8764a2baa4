#pragma once

#include "exchange/core/AmountReading.h"
#include "exchange/core/DateReading.h"
#include "exchange/core/ImportRow.h"

#include <QByteArray>

#include <optional>

namespace tesorin::exchange {

struct QifOptions {
    std::optional<DateOrder> dateOrder; // detected when not given (month first on a tie)
    std::optional<DecimalMark> decimal; // detected when not given (point on a tie)
};

// Reads the bank, cash and credit-card records of a QIF file (D date, T or U
// amount, P payee, M memo, L category as the account, N number; a split
// record counts as its total). Records of other types are left out and
// reported in the notes. Throws ExchangeError when the file holds no such
// record.
ReadResult readQif(const QByteArray& bytes, const QifOptions& options = {});

} // namespace tesorin::exchange
