#include "base/MoneySum.h"

#include <limits>

namespace tesorin {

MoneySum MoneySum::fromUnits(std::int64_t tenThousandths) {
    if (tenThousandths == std::numeric_limits<std::int64_t>::min())
        throw MoneyOutOfRange();
    return MoneySum(tenThousandths, 0);
}

MoneySum MoneySum::operator-(MoneySum other) const {
    std::int64_t result = 0;
    if (__builtin_sub_overflow(m_units, other.m_units, &result))
        throw MoneyOutOfRange();
    return fromUnits(result);
}

} // namespace tesorin
