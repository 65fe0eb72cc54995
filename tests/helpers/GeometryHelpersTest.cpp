#include <cmath>

#include <gtest/gtest.h>

#include "shape/Shape.h"

TEST(WorldTransforms, TruncateTowardZeroAndInvert)
{
    CCircleShape shape;
    CPoint client = shape.W2C(1.5, 2.5, 10, CPoint(100, 200));
    EXPECT_EQ(client.x, 115);
    EXPECT_EQ(client.y, 175);
    EXPECT_EQ(shape.W2C(-0.05, 0, 10, CPoint(0, 0)).x, 0); // not -1
    EXPECT_EQ(shape.W2C(0, 0.19, 10, CPoint(0, 0)).y, -1);
    double x = 0, y = 0;
    shape.C2W(x, y, CPoint(115, 175), 10, CPoint(100, 200));
    EXPECT_EQ(x, 1.5);
    EXPECT_EQ(y, 2.5);

    CBodyShape body; // the same transforms on a body
    CPoint printer = body.W2P(12.34, -5.6, 100, 50, 7, 9);
    EXPECT_EQ(printer.x, 1241);
    EXPECT_EQ(printer.y, 289);
    body.P2W(x, y, printer, 100, 50, 7, 9);
    EXPECT_NEAR(x, 12.34, 0.01);
    EXPECT_NEAR(y, -5.6, 0.02);
    body.C2W(x, y, CPoint(1, 1), 0, CPoint(0, 0));
    EXPECT_TRUE(std::isinf(x)); // a zero scale follows floating point
}

TEST(MouseInRect, SelectsBoundsHeldWholeTouchingEdgesIncluded)
{
    CPolylineShape line;
    line.m_rcBound = CRect(10, 10, 20, 20);
    EXPECT_EQ(line.MouseInRect(CRect(10, 10, 20, 20)), 1);
    EXPECT_EQ(line.MouseInRect(CRect(0, 0, 100, 100)), 1);
    EXPECT_EQ(line.MouseInRect(CRect(11, 10, 20, 20)), 0);
    EXPECT_EQ(line.MouseInRect(CRect(10, 10, 20, 19)), 0);
    line.m_rcBound = CRect(5, 5, 5, 9); // empty, not all zero: never held
    EXPECT_EQ(line.MouseInRect(CRect(0, 0, 100, 100)), 0);

    CBodyShape body; // an all-zero bound is held by any rectangle
    EXPECT_EQ(body.MouseInRect(CRect(50, 50, 60, 60)), 1);
}

TEST(EllipsePoint, CasesInTheirOrder)
{
    CEllipseShape e;
    const double pi = 3.141592653589793;
    auto at = [&](double angle)
    {
        double x = 99, y = 99;
        e.EllipsePoint(angle, 0, 0, 3, 2, x, y);
        return std::make_pair(x, y);
    };
    EXPECT_EQ(at(0), std::make_pair(3.0, 0.0));
    EXPECT_EQ(at(pi / 2), std::make_pair(0.0, 2.0));
    EXPECT_NEAR(at(pi).first, -3, 1e-12);
    EXPECT_NEAR(at(pi).second, 0, 1e-12);
    EXPECT_EQ(at(4.71238898038469), std::make_pair(0.0, -2.0));
    auto diagonal = at(pi / 4);
    EXPECT_NEAR(diagonal.first, 6 / std::sqrt(13.0), 1e-12);
    EXPECT_NEAR(diagonal.second, diagonal.first, 1e-12);
    EXPECT_GT(at(pi / 2 - 0.00005).first, 0.0); // just below pi/2 the first row, not x = 0
    EXPECT_EQ(at(pi / 2 + 0.00005), std::make_pair(0.0, 2.0));
    EXPECT_GT(at(4.71238898038469 + 0.00005).first, 0.0); // past 3pi/2 the first row again
    EXPECT_EQ(at(-0.1), std::make_pair(99.0, 99.0));
    EXPECT_EQ(at(2 * pi), std::make_pair(99.0, 99.0));
    EXPECT_EQ(at(std::nan("")), std::make_pair(99.0, 99.0));
}
