#include <climits>
#include <cmath>
#include <iterator>

#include <gtest/gtest.h>

#include "shape/Shape.h"

TEST(WorldTransforms, TruncateTowardZeroWrapAndInvert)
{
    CCircleShape shape;
    EXPECT_EQ(shape.W2C(1.5, 2.5, 10, CPoint(100, 200)), CPoint(115, 175));
    EXPECT_EQ(shape.W2C(-0.05, 0.19, 10, CPoint(0, 0)), CPoint(0, -1)); // toward zero, not down
    EXPECT_EQ(shape.W2C(1e10, std::nan(""), 1, CPoint(0, 0)), CPoint(INT_MIN, INT_MIN));
    double x = 0, y = 0;
    shape.C2W(x, y, CPoint(115, 175), 10, CPoint(100, 200));
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(1.5, 2.5));
    EXPECT_EQ(CBodyShape().W2P(12.34, -5.6, 100, 50, 7, 9), CPoint(1241, 289)); // x, y scales
    CBodyShape().P2W(x, y, CPoint(INT_MIN, 289), 1, 50, 1, 9); // the int difference wraps
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(double(INT_MAX), -5.6));
}

TEST(MouseInRect, SelectsBoundsHeldWholeTouchingEdgesIncluded)
{
    CPolylineShape line;
    line.m_rcBound = CRect(10, 10, 20, 20);
    EXPECT_EQ(line.MouseInRect(CRect(10, 10, 20, 20)) + line.MouseInRect(CRect(0, 0, 99, 99)), 2);
    EXPECT_EQ(line.MouseInRect(CRect(11, 10, 20, 20)) + line.MouseInRect(CRect(10, 10, 20, 19)), 0);
    line.m_rcBound = CRect(5, 5, 5, 9); // empty, not all zero: never held
    EXPECT_EQ(line.MouseInRect(CRect(0, 0, 99, 99)), 0);
    EXPECT_EQ(CBodyShape().MouseInRect(CRect(50, 50, 60, 60)), 1); // all-zero bound: always held
}

TEST(EllipsePoint, CasesInTheirOrder)
{
    const double pi = 3.141592653589793, up = pi / 2, down = 4.71238898038469, full = 2 * pi;
    const double nan = std::nan(""), below = up - 5e-5, above = up + 5e-5, past = down + 5e-5;
    // Angle, x, y. Below pi/2 and past 3pi/2 the general row; outside [0, 2pi) or NaN: untouched.
    const double cases[] = {0,  3,    0,     up,   0,    2,     pi, -3,  0,    down,
                            0,  -2,   below, 1e-4, 2,    above, 0,  2,   past, 1e-4,
                            -2, -0.1, 99,    99,   full, 99,    99, nan, 99,   99};
    for (size_t i = 0; i < std::size(cases); i += 3)
    {
        double x = 99, y = 99;
        CEllipseShape().EllipsePoint(cases[i], 0, 0, 3, 2, x, y);
        EXPECT_LT(std::hypot(x - cases[i + 1], y - cases[i + 2]), 1e-6) << cases[i];
    }
}
