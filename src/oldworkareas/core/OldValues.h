#pragma once

#include "base/Money.h"
#include "oldworkareas/core/OldFile.h"

#include <QByteArray>
#include <QDate>

#include <optional>

// Reading one value of the old file as the new store keeps it.
namespace tesorin::oldworkareas {

struct OldDate {
    QDate day;           // invalid when the value reads as no date
    QString droppedTime; // the time of day a date carried, "13:45:00"; empty when none
};

// A date column gives its day; a text column is read in the regional short
// form or as yyyy-MM-dd. Any year the old store holds stays as it is.
OldDate readOldDate(OldType type, const QByteArray& value);

// The exact amount, or an empty optional when the value is no amount or one
// the new store cannot keep to the last ten-thousandth.
std::optional<Money> readOldMoney(OldType type, const QByteArray& value);

// A count of ten-thousandths as the new store keeps it; empty when it is
// beyond the limit or the store would not keep it exactly.
std::optional<Money> storableMoney(qint64 units);

// The day as the new store keeps it: "yyyy-MM-dd".
QByteArray storedDay(const QDate& day);

} // namespace tesorin::oldworkareas
