#pragma once

#include "base/Money.h"
#include "base/MoneySum.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

// Money, number and date texts as the machine's regional settings write them.
// The locale is QLocale() (the default, which tests pin with
// QLocale::setDefault); a system locale of C/POSIX is taken as Spanish
// (Argentina), since every text of the program is Spanish.
namespace tesorin::regional {

QLocale locale();

// Call once at start-up: when the system locale is C/POSIX, makes es_AR the
// default locale of the process.
void applySystemLocale();

// The named format "currency": the locale's currency symbol, grouping,
// decimals and negative form, the value rounded to the locale's decimals.
QString currency(Money amount);
// The same for a total, which may go beyond what one amount holds.
QString currency(MoneySum total);

// The number reading of the amount boxes: digits with the locale's decimal
// and grouping marks, an optional sign or parentheses, blanks around, and the
// locale's currency symbol, so that every text currency() writes reads back
// to the same value. A plain number with '.' as the decimal mark is read too
// when '.' is not the locale's grouping mark. Letters, an empty text,
// amounts beyond ±900.000.000.000 and amounts the store would not keep to
// the last ten-thousandth give an empty optional.
std::optional<Money> readNumber(const QString& text);

// The plain number text of the locale, without currency symbol and grouping
// ("1500,5" in es_AR), as the entry dialog shows an amount being edited.
QString plainNumber(Money amount);

// The short date form with a four-digit year ("9/1/2005" in es_AR,
// "1/9/2005" in en_US).
QString shortDate(const QDate& date);
// The short date form as a date box's display format ("d/M/yyyy" in es_AR),
// so that date boxes show dates as shortDate writes them.
QString shortDateDisplayFormat();
// Reads a text in the short date form (a two-digit year is taken in
// 1930..2029); empty optional when it is no valid date.
std::optional<QDate> readShortDate(const QString& text);

// Month name as the locale writes it standing alone ("enero").
QString monthName(int month);
// "mmmm, yyyy": "marzo, 2024".
QString monthYearTitle(const QDate& date);

} // namespace tesorin::regional
