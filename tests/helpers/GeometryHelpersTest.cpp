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
    shape.C2W(x, y, CPoint(INT_MIN, 0), 1, CPoint(1, 0)); // the int difference wraps
    EXPECT_EQ(x, INT_MAX);
    CBodyShape body; // the printer page, with a scale of its own for each axis
    EXPECT_EQ(body.W2P(12.34, -5.6, 100, 50, 7, 9), CPoint(1241, 289));
    body.P2W(x, y, CPoint(1241, 289), 100, 50, 7, 9);
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(12.34, -5.6));
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
    const double q = pi / 4, d = 6 / std::sqrt(13.0), e = 5e-5, nan = std::nan("");
    const double below = up - e, above = up + e, past = down + e;
    // Angle, x, y. Just below pi/2 and past 3pi/2 the general row, not x = 0; an angle out of
    // [0, 2pi), or NaN, leaves x and y as they were (99).
    const double cases[] = {0,    3,  0,    up, 0,     2,    pi, -3,    0,   down, 0,
                            -2,   q,  d,    d,  below, 1e-4, 2,  above, 0,   2,    past,
                            1e-4, -2, -0.1, 99, 99,    full, 99, 99,    nan, 99,   99};
    for (size_t i = 0; i < std::size(cases); i += 3)
    {
        double x = 99, y = 99;
        CEllipseShape().EllipsePoint(cases[i], 0, 0, 3, 2, x, y);
        EXPECT_NEAR(x, cases[i + 1], 1e-6) << cases[i];
        EXPECT_NEAR(y, cases[i + 2], 1e-6) << cases[i];
    }
}
