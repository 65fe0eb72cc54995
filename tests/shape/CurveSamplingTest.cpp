#include <cmath>

#include <gtest/gtest.h>

#include "shape/Shape.h"

namespace
{
CPolylineShape Controls(std::initializer_list<std::pair<double, double>> points)
{
    CPolylineShape line;
    for (auto [x, y] : points)
        line.Add(x, y, 0);
    return line;
}
} // namespace

TEST(BasicSpline, DegreesAreDrawnBetweenOneAndEleven)
{
    CPolylineShape low = Controls({{0, 0}, {3, 4}, {6, 0}});
    low.BasicSpline(-7); // at degree 1: the control polygon itself
    ASSERT_EQ(low.m_nCount, 3);
    EXPECT_EQ(low.m_pY[1], 4.0);
    // Each curve point costs the square of the degree: a file's degree 5000 must not stall.
    CPolylineShape high, eleven;
    for (int i = 0; i < 5001; ++i)
        for (CPolylineShape* line : {&high, &eleven})
            line->Add(i, i % 2 ? 1.0 : -1.0, 0);
    high.BasicSpline(5000);
    eleven.BasicSpline(11);
    ASSERT_EQ(high.m_nCount, eleven.m_nCount);
    for (int i = 0; i < high.m_nCount; ++i)
        EXPECT_TRUE(high.m_pX[i] == eleven.m_pX[i] && high.m_pY[i] == eleven.m_pY[i]) << i;
}

TEST(BasicSpline, StaysWithinTheDeviationAndBounded)
{
    // A quadratic with knots 0,0,0,1,1,1 is the parabola y = 2 * 100 t (1 - t) over x = 4 t.
    CPolylineShape arch = Controls({{0, 0}, {2, 100}, {4, 0}});
    arch.BasicSpline(2);
    ASSERT_GT(arch.m_nCount, 2);
    for (int i = 1; i < arch.m_nCount; ++i)
    {
        double t = (arch.m_pX[i - 1] + arch.m_pX[i]) / 8; // the chord's middle parameter
        EXPECT_LE(std::fabs((arch.m_pY[i - 1] + arch.m_pY[i]) / 2 - 200 * t * (1 - t)), 0.05);
    }
    CPolylineShape huge = Controls({{0, 0}, {1e300, 1e300}, {-1e300, 1e300}, {0, 0}});
    huge.BasicSpline(9);
    EXPECT_LE(huge.m_nCount, 257); // 256 segments a span at most
}
