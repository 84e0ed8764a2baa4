#include "base/Money.h"

#include <cmath>

namespace tesorin {

namespace {

constexpr std::int64_t kLimitWhole = Money::kLimitUnits / Money::kScale;

bool withinLimit(std::int64_t units) {
    return units >= -Money::kLimitUnits && units <= Money::kLimitUnits;
}

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

} // namespace

MoneyOutOfRange::MoneyOutOfRange()
    : std::range_error("El importe excede el máximo admitido (900.000.000.000).") {}

Money Money::fromUnits(std::int64_t tenThousandths) {
    if (!withinLimit(tenThousandths))
        throw MoneyOutOfRange();
    return Money(tenThousandths);
}

std::optional<Money> Money::fromStored(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    // Rounded as a double first: llround of a value beyond int64 is undefined.
    const double scaled = std::round(value * kScale);
    if (std::fabs(scaled) > static_cast<double>(kLimitUnits))
        return std::nullopt;
    return Money(static_cast<std::int64_t>(scaled));
}

std::optional<Money> Money::fromPlainText(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    bool negative = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }

    std::int64_t whole = 0;
    const qsizetype wholeStart = i;
    for (; i < n && isAsciiDigit(text[i]); ++i) {
        whole = whole * 10 + (text[i].unicode() - u'0');
        if (whole > kLimitWhole)
            return std::nullopt;
    }
    if (i == wholeStart)
        return std::nullopt;

    std::int64_t fraction = 0;
    if (i < n && text[i] == u'.') {
        ++i;
        const qsizetype fractionStart = i;
        std::int64_t place = kScale / 10;
        bool roundUp = false;
        for (; i < n && isAsciiDigit(text[i]); ++i) {
            const int digit = text[i].unicode() - u'0';
            if (place > 0)
                fraction += digit * place;
            else if (i - fractionStart == 4)
                roundUp = digit >= 5; // half away from zero: only the fifth decimal decides
            place /= 10;
        }
        if (i == fractionStart)
            return std::nullopt;
        if (roundUp)
            ++fraction;
    }
    if (i != n)
        return std::nullopt;

    const std::int64_t units = whole * kScale + fraction;
    if (units > kLimitUnits)
        return std::nullopt;
    return Money(negative ? -units : units);
}

double Money::toStored() const {
    // An exact integer divided once is the double nearest the decimal value.
    return static_cast<double>(m_units) / kScale;
}

QString Money::toPlainText() const {
    const std::int64_t magnitude = m_units < 0 ? -m_units : m_units;
    QString text = QString::number(magnitude / kScale);
    std::int64_t fraction = magnitude % kScale;
    if (fraction != 0) {
        int width = 4;
        while (fraction % 10 == 0) {
            fraction /= 10;
            --width;
        }
        text += u'.' + QString::number(fraction).rightJustified(width, u'0');
    }
    return m_units < 0 ? u'-' + text : text;
}

Money Money::operator+(Money other) const {
    return fromUnits(m_units + other.m_units);
}

Money Money::operator-(Money other) const {
    return fromUnits(m_units - other.m_units);
}

Money Money::operator-() const {
    return Money(-m_units);
}

Money& Money::operator+=(Money other) {
    return *this = *this + other;
}

Money& Money::operator-=(Money other) {
    return *this = *this - other;
}

bool Money::isStorable() const {
    const std::optional<Money> back = fromStored(toStored());
    return back && *back == *this;
}

} // namespace tesorin
