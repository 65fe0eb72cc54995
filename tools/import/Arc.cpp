#include "Arc.h"

namespace
{
constexpr int kLowestTurn = -64, kHighestTurn = 64;
const double kQuarterTurn = kTwoPi / 4;

struct QuarterTurns
{
    QuarterTurns()
    {
        for (int k = kLowestTurn; k <= kHighestTurn; ++k)
            at[k - kLowestTurn] = {std::cos(k * kQuarterTurn), std::sin(k * kQuarterTurn)};
    }
    CosSin at[kHighestTurn - kLowestTurn + 1];
};
} // namespace

CosSin CosSinOf(double a)
{
    static const QuarterTurns quarters;
    const double k = std::round(a / kQuarterTurn);
    // -0 is left to the functions, whose sine keeps its sign.
    if (k >= kLowestTurn && k <= kHighestTurn && k * kQuarterTurn == a && !std::signbit(a))
        return quarters.at[static_cast<int>(k) - kLowestTurn];
    return {std::cos(a), std::sin(a)};
}
