#pragma once

#include <QString>

#include <optional>

// The checks the schedule editor and its details dialog run when the user
// leaves a box: what the box is reset to and the message shown when the text
// is refused. A text that passes is kept as typed.
namespace tesorin::schedule {

struct BoxRefusal {
    QString resetText;
    QString message;
};

// The day boxes of the editor, each with its own bounds and reset value.
enum class DayBox { FirstFortnight, SecondFortnight, MonthDay };

// The time box: a time of day (hh:mm, hh:mm:ss) or a short date.
std::optional<BoxRefusal> checkTimeBox(const QString& text);
// A day box: a number by the regional readings, and then the number at the
// start of the text within the box's bounds, both included.
std::optional<BoxRefusal> checkDayBox(DayBox box, const QString& text);
// The amount box of the details dialog: a number by the regional readings.
std::optional<BoxRefusal> checkAmountBox(const QString& text);

// The message of an amount that is not a number, also given by "&Aceptar".
QString invalidAmountMessage();
// The number written at the start of a text: blanks, then digits with an
// optional point and decimals; 0 when there are no digits.
double leadingNumber(const QString& text);

} // namespace tesorin::schedule
