#pragma once

#include "base/Money.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace tesorin::exchange {

// The decimal mark of a statement's amounts: "1.234,56" or "1,234.56".
enum class DecimalMark { Comma, Point };

// Reads an amount as banks write it: grouping by the other mark or none,
// a sign before or after ("150,00-"), parentheses for a negative, a currency
// sign or code before or after ("$ 1.234,56", "1,234.56 USD"). An empty
// text or a lone dash is no amount here (the caller decides what an empty
// cell means). Empty optional when the text is no amount.
std::optional<Money> readAmount(const QString& text, DecimalMark mark);

// Whether the cell holds nothing: blanks or a lone dash.
bool isBlankAmount(const QString& text);

// The mark that reads the most of these texts; the fallback on a tie.
DecimalMark detectDecimalMark(const QStringList& texts, DecimalMark fallback);

} // namespace tesorin::exchange
