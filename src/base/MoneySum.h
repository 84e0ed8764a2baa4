#pragma once

#include "base/Money.h"

#include <cstdint>

namespace tesorin {

// The exact total of many amounts. Each amount is within what Money holds,
// but their total need not be (two amounts near the limit), so a total is
// counted in all 64 bits of ten-thousandths: exact up to
// ±922.337.203.685.477,5807. Totals are shown, never stored.
class MoneySum {
public:
    constexpr MoneySum() = default;
    constexpr MoneySum(Money amount) : m_units(amount.units()) {}

    // Throws MoneyOutOfRange for the one count whose sign cannot be changed.
    static MoneySum fromUnits(std::int64_t tenThousandths);

    constexpr std::int64_t units() const { return m_units; }

    // Checked: a result beyond 64 bits throws MoneyOutOfRange.
    MoneySum operator-(MoneySum other) const;

    friend constexpr bool operator==(MoneySum a, MoneySum b) { return a.m_units == b.m_units; }

private:
    constexpr explicit MoneySum(std::int64_t units, int) : m_units(units) {}
    std::int64_t m_units = 0;
};

} // namespace tesorin
