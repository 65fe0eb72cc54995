#include <cmath>
#include <cstring>
#include <limits>

#include <gtest/gtest.h>

#include "Arc.h"

namespace
{
bool SameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void ExpectAsTheFunctions(double a)
{
    const CosSin turn = CosSinOf(a);
    EXPECT_TRUE(SameBits(turn.cos, std::cos(a)) ||
                (std::isnan(turn.cos) && std::isnan(std::cos(a))))
        << a;
    EXPECT_TRUE(SameBits(turn.sin, std::sin(a)) ||
                (std::isnan(turn.sin) && std::isnan(std::sin(a))))
        << a;
}
} // namespace

// The table of quarter turns must give what the functions give, and only where they agree.
TEST(CosSinOf, GivesTheFunctionsBitsAtQuarterTurnsAndBetween)
{
    for (int k = -80; k <= 80; ++k)
    {
        const double a = k * (kTwoPi / 4);
        ExpectAsTheFunctions(a);
        ExpectAsTheFunctions(std::nextafter(a, HUGE_VAL));
        ExpectAsTheFunctions(std::nextafter(a, -HUGE_VAL));
        ExpectAsTheFunctions(a + 0.25);
    }
    for (double a : {-0.0, kPi, kTwoPi, 1e300, -1e300, HUGE_VAL, -HUGE_VAL,
                     std::numeric_limits<double>::quiet_NaN()})
        ExpectAsTheFunctions(a);
}
