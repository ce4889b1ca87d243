#pragma once

#include <QtGlobal>

#include <algorithm>
#include <limits>

// The game's counters and score are 16-bit; arithmetic that would leave that range stops at
// its edge instead of wrapping round to the other end.
namespace int16 {

constexpr qint16 saturate(long long value)
{
    return static_cast<qint16>(std::clamp<long long>(value, std::numeric_limits<qint16>::min(),
                                                     std::numeric_limits<qint16>::max()));
}

constexpr qint16 add(qint16 a, long long b)
{
    return saturate(a + b);
}

} // namespace int16
