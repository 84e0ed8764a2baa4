#include "oldworkareas/core/OldValues.h"

#include "base/Regional.h"

#include <QList>

namespace tesorin::oldworkareas {

namespace {

// Reads an unsigned run of digits at text[i...], moving i past it.
bool readDigits(const QByteArray& text, qsizetype& i, qint64& number) {
    const qsizetype start = i;
    number = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9' && i - start < 18)
        number = number * 10 + (text[i++] - '0');
    return i > start;
}

// "yyyy-MM-dd" followed by nothing or " HH:mm:ss"; the year may have fewer
// than four digits. Read byte by byte: a large file has one on every row.
OldDate readLibraryDate(const QByteArray& value) {
    OldDate date;
    qsizetype i = 0;
    qint64 year = 0, month = 0, day = 0;
    if (!readDigits(value, i, year) || i >= value.size() || value[i++] != '-' ||
        !readDigits(value, i, month) || i >= value.size() || value[i++] != '-' ||
        !readDigits(value, i, day))
        return date;
    if (i < value.size() && value[i] != ' ')
        return date;
    date.day = QDate(int(year), int(month), int(day));
    const QByteArray time = value.mid(i + 1);
    if (date.day.isValid() && !time.isEmpty() && time != "00:00:00")
        date.droppedTime = QString::fromLatin1(time);
    return date;
}

// The library's money and number texts: an optional '-', digits, and up to
// four decimals after a '.'. Anything else goes to the general reading.
std::optional<Money> readLibraryAmount(const QByteArray& value) {
    qsizetype i = 0;
    const bool negative = !value.isEmpty() && value[0] == '-';
    if (negative)
        ++i;
    qint64 whole = 0;
    if (!readDigits(value, i, whole))
        return Money::fromPlainText(QString::fromLatin1(value));
    qint64 fraction = 0;
    if (i < value.size() && value[i] == '.') {
        const qsizetype start = ++i;
        if (!readDigits(value, i, fraction) || i - start > 4)
            return Money::fromPlainText(QString::fromLatin1(value));
        for (qsizetype places = i - start; places < 4; ++places)
            fraction *= 10;
    }
    if (i != value.size() || whole > Money::kLimitUnits / Money::kScale)
        return Money::fromPlainText(QString::fromLatin1(value));
    const qint64 units = whole * Money::kScale + fraction;
    if (units > Money::kLimitUnits)
        return std::nullopt;
    return Money::fromUnits(negative ? -units : units);
}

} // namespace

OldDate readOldDate(OldType type, const QByteArray& value) {
    if (type == OldType::Date)
        return readLibraryDate(value);
    if (type != OldType::Text)
        return {};
    const QString text = QString::fromUtf8(value).trimmed();
    if (const std::optional<QDate> day = regional::readShortDate(text))
        return {*day, {}};
    return readLibraryDate(text.toUtf8());
}

std::optional<Money> readOldMoney(OldType type, const QByteArray& value) {
    std::optional<Money> amount;
    if (type == OldType::Money || type == OldType::Number)
        amount = readLibraryAmount(value);
    else if (type == OldType::Text)
        amount = regional::readNumber(QString::fromUtf8(value));
    if (amount && !amount->isStorable())
        return std::nullopt;
    return amount;
}

std::optional<Money> storableMoney(qint64 units) {
    if (units < -Money::kLimitUnits || units > Money::kLimitUnits)
        return std::nullopt;
    const Money amount = Money::fromUnits(units);
    if (!amount.isStorable())
        return std::nullopt;
    return amount;
}

QByteArray storedDay(const QDate& day) {
    return day.toString(Qt::ISODate).toLatin1();
}

} // namespace tesorin::oldworkareas
