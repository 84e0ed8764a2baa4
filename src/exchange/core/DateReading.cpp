#include "exchange/core/DateReading.h"

#include <QRegularExpression>

#include <array>

namespace tesorin::exchange {

QString dateOrderCode(DateOrder order) {
    switch (order) {
    case DateOrder::DayMonthYear:
        return QStringLiteral("dma");
    case DateOrder::MonthDayYear:
        return QStringLiteral("mda");
    case DateOrder::YearMonthDay:
        return QStringLiteral("amd");
    }
    return {};
}

std::optional<DateOrder> dateOrderFromCode(const QString& code) {
    const QString c = code.trimmed().toLower();
    if (c == u"dma")
        return DateOrder::DayMonthYear;
    if (c == u"mda")
        return DateOrder::MonthDayYear;
    if (c == u"amd")
        return DateOrder::YearMonthDay;
    return std::nullopt;
}

namespace {

int fullYear(const QString& digits, bool apostrophe) {
    const int y = digits.toInt();
    if (digits.size() == 4)
        return y;
    if (apostrophe)
        return 2000 + y;
    return y < 30 ? 2000 + y : 1900 + y;
}

} // namespace

std::optional<QDate> readDate(const QString& text, DateOrder order) {
    const QString t = text.trimmed();
    static const QRegularExpression compact(
        QStringLiteral("^(\\d{4})(\\d{2})(\\d{2})(?:\\d{6})?(?:[.\\[].*)?$"));
    if (order == DateOrder::YearMonthDay) {
        const QRegularExpressionMatch m = compact.match(t);
        if (m.hasMatch()) {
            const QDate d(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
            return d.isValid() ? std::optional<QDate>(d) : std::nullopt;
        }
    }
    // Three groups of digits split by / - . or blanks; QIF writes "'" before
    // a year of this century and may pad with blanks ("1/ 5'05").
    static const QRegularExpression parts(QStringLiteral(
        "^(\\d{1,4})\\s*[/.\\-]\\s*(\\d{1,2})\\s*([/.\\-']|\\s)\\s*(\\d{2}|\\d{4})(?:[\\sT].*)?$"));
    const QRegularExpressionMatch m = parts.match(t);
    if (!m.hasMatch())
        return std::nullopt;
    const QString a = m.captured(1);
    const QString b = m.captured(2);
    const bool apostrophe = m.captured(3) == u"'";
    const QString c = m.captured(4);
    int day = 0;
    int month = 0;
    int year = 0;
    switch (order) {
    case DateOrder::DayMonthYear:
        if (a.size() > 2)
            return std::nullopt;
        day = a.toInt();
        month = b.toInt();
        year = fullYear(c, apostrophe);
        break;
    case DateOrder::MonthDayYear:
        if (a.size() > 2)
            return std::nullopt;
        month = a.toInt();
        day = b.toInt();
        year = fullYear(c, apostrophe);
        break;
    case DateOrder::YearMonthDay:
        if (a.size() != 4 && a.size() != 2)
            return std::nullopt;
        if (c.size() != 2 || apostrophe)
            return std::nullopt;
        year = fullYear(a, false);
        month = b.toInt();
        day = c.toInt();
        break;
    }
    const QDate d(year, month, day);
    return d.isValid() ? std::optional<QDate>(d) : std::nullopt;
}

DateOrder detectDateOrder(const QStringList& texts, DateOrder preferred) {
    constexpr std::array<DateOrder, 3> orders = {DateOrder::DayMonthYear, DateOrder::MonthDayYear,
                                                 DateOrder::YearMonthDay};
    std::array<int, 3> counts = {0, 0, 0};
    for (const QString& text : texts)
        for (std::size_t i = 0; i < orders.size(); ++i)
            if (readDate(text, orders[i]))
                ++counts[i];
    DateOrder best = preferred;
    int bestCount = counts[static_cast<std::size_t>(preferred)];
    for (std::size_t i = 0; i < orders.size(); ++i)
        if (counts[i] > bestCount) {
            best = orders[i];
            bestCount = counts[i];
        }
    return best;
}

} // namespace tesorin::exchange
