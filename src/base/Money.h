#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <stdexcept>

namespace tesorin {

// An amount of the store's currency: a whole count of ten-thousandths.
// Every sum of the program is done in this type, never in double, so that
// totals of years of movements come out to the last cent.
class Money {
public:
    static constexpr std::int64_t kScale = 10000;
    // The largest amount the store keeps exactly (±900.000.000.000).
    static constexpr std::int64_t kLimitUnits = 900'000'000'000LL * kScale;

    constexpr Money() = default;

    // Throws MoneyOutOfRange when beyond ±900.000.000.000.
    static Money fromUnits(std::int64_t tenThousandths);
    // Reads a stored REAL back: rounds x * 10000. Empty optional when x is
    // not finite or beyond the limit.
    static std::optional<Money> fromStored(double value);
    // Exact reading of a plain decimal text as SQL writes it ("1500.5",
    // "-12", "0.0001"); more than four decimals round half away from zero.
    // Empty optional for anything else or beyond the limit.
    static std::optional<Money> fromPlainText(const QString& text);

    constexpr std::int64_t units() const { return m_units; }
    // The value as the store keeps it: rounded to four decimals.
    double toStored() const;
    // Plain decimal text with '.' and no grouping ("1500.5", "-0.25", "0"),
    // safe to put bare into an SQL text.
    QString toPlainText() const;

    bool isZero() const { return m_units == 0; }
    // Whether the store keeps this amount to the last ten-thousandth. Its REAL
    // holds every amount up to about 274.877.906.943 exactly; above that some
    // ten-thousandths would come back changed, and those are refused.
    bool isStorable() const;

    // Checked arithmetic: a result beyond the limit throws MoneyOutOfRange.
    Money operator+(Money other) const;
    Money operator-(Money other) const;
    Money operator-() const;
    Money& operator+=(Money other);
    Money& operator-=(Money other);

    friend constexpr bool operator==(Money a, Money b) { return a.m_units == b.m_units; }
    friend constexpr auto operator<=>(Money a, Money b) { return a.m_units <=> b.m_units; }

private:
    constexpr explicit Money(std::int64_t units) : m_units(units) {}
    std::int64_t m_units = 0;
};

class MoneyOutOfRange : public std::range_error {
public:
    MoneyOutOfRange();
};

} // namespace tesorin
