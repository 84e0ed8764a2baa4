#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

namespace tesorin::exchange {

// Order of day, month and year in a statement's dates.
enum class DateOrder { DayMonthYear, MonthDayYear, YearMonthDay };

// "dma", "mda", "amd" (the command line's names) and back.
QString dateOrderCode(DateOrder order);
std::optional<DateOrder> dateOrderFromCode(const QString& code);

// Reads "15/01/2024", "15-1-24", "2024-01-15", "20240115", QIF's "1/15'05"
// (an apostrophe before the year puts it in 2000..2099) and a date followed
// by a time of day. A two-digit year is taken in 1930..2029.
std::optional<QDate> readDate(const QString& text, DateOrder order);

// The order that reads the most texts; on a tie the preferred one.
DateOrder detectDateOrder(const QStringList& texts, DateOrder preferred);

} // namespace tesorin::exchange
