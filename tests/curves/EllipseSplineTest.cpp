#include <cmath>

#include <gtest/gtest.h>

#include "dxf/DxfTestSupport.h"

namespace
{
const double kPi = 3.141592653589793;

std::string Ellipse(const char* axisX, const char* axisY)
{
    return Pairs({"0", "ELLIPSE", "8", "L", "10", "1", "20", "2", "11", axisX, "21", axisY, "40",
                  "0.5", "41", "0", "42", "6.283185307179586"});
}

// Largest distance of the points from (cx, cy), measured along x and along y.
void ExpectExtent(CPolylineShape* line, double cx, double cy, double ex, double ey)
{
    double farX = 0, farY = 0;
    for (int i = 0; i < line->m_nCount; ++i)
    {
        farX = std::max(farX, std::fabs(line->m_pX[i] - cx));
        farY = std::max(farY, std::fabs(line->m_pY[i] - cy));
    }
    EXPECT_NEAR(farX, ex, 0.05);
    EXPECT_NEAR(farY, ey, 0.05);
}
} // namespace

TEST(DxfEllipse, BecomesAClosedPolylineAlongItsMajorAxis)
{
    Imported in(InEntities(Ellipse("0", "4") + Ellipse("-3", "0") + Ellipse("0", "0") +
                           Pairs({"0", "ELLIPSE", "10", "1", "20", "2", "11", "1"})));
    in.dxf.m_Layers.m_dDxfScaleX = 2.0;
    in.dxf.m_Layers.m_dDxfScaleY = 2.0;
    ASSERT_EQ(in.dxf.Read(), 1);
    ASSERT_EQ(in.dxf.m_arrShape.GetSize(), 3);
    CPolylineShape* upright = in.Line(0);
    ASSERT_NE(upright, nullptr);
    EXPECT_EQ(upright->m_bClose, 1);
    EXPECT_EQ(upright->m_nLineType, 1);
    ExpectExtent(upright, 2, 4, 2, 4); // the centre doubles, the axes keep their lengths
    ExpectExtent(in.Line(1), 2, 4, 3, 1.5);
    ExpectExtent(in.Line(2), 2, 4, 0, 0);
}

TEST(DxfEllipse, PartialEllipseIsOpenWithBothEnds)
{
    Imported in(InEntities(Pairs({"0", "ELLIPSE", "8", "L", "11", "2", "21", "0", "40", "0.5", "41",
                                  "0", "42", "1.5707963267948966"})));
    ASSERT_EQ(in.dxf.Read(), 1);
    CPolylineShape* quarter = in.Line(0);
    EXPECT_EQ(quarter->m_bClose, 0);
    EXPECT_NEAR(quarter->m_pX[0], 2.0, 1e-9);
    EXPECT_NEAR(quarter->m_pY[0], 0.0, 1e-9);
    EXPECT_NEAR(quarter->m_pX[quarter->m_nCount - 1], 0.0, 1e-9);
    EXPECT_NEAR(quarter->m_pY[quarter->m_nCount - 1], 1.0, 1e-9);
}

TEST(DxfSpline, ClampedCubicWithKnotsIsItsBezier)
{
    auto spline = [](const char* flags)
    {
        return Pairs({"0",  "SPLINE", "8",  "L", "70", flags, "71", "3", "72", "8", "40", "0",
                      "40", "0",      "40", "0", "40", "0",   "40", "1", "40", "1", "40", "1",
                      "40", "1",      "40", "9", "73", "4",   "10", "0", "20", "0", "10", "1",
                      "20", "2",      "10", "3", "20", "2",   "10", "4", "20", "0"});
    };
    Imported in(InEntities(spline("8") + spline("11") + spline("-3")));
    in.dxf.m_Layers.m_dDxfScaleX = 2.0;
    in.dxf.m_Layers.m_dDxfScaleY = 0.5;
    ASSERT_EQ(in.dxf.Read(), 1);
    ASSERT_EQ(in.dxf.m_arrShape.GetSize(), 3);
    CPolylineShape* curve = in.Line(0);
    EXPECT_EQ(curve->m_bClose, 0);
    EXPECT_EQ(in.Line(1)->m_bClose, 1);
    EXPECT_EQ(in.Line(2)->m_bClose, -1);
    ASSERT_GT(curve->m_nCount, 4);
    EXPECT_NEAR(curve->m_pX[0], 0.0, 1e-9);
    EXPECT_NEAR(curve->m_pX[curve->m_nCount - 1], 8.0, 1e-9);
    // Every point lies on the Bezier curve of the scaled control points (0,0) (2,1) (6,1) (8,0).
    auto bezierX = [](double t)
    { return 6 * t * (1 - t) * (1 - t) + 18 * t * t * (1 - t) + 8 * t * t * t; };
    auto bezierY = [](double t) { return 3 * t * (1 - t) * (1 - t) + 3 * t * t * (1 - t); };
    for (int i = 0; i < curve->m_nCount; ++i)
    {
        double lo = 0, hi = 1; // x rises with t: find the t of this point's x
        for (int step = 0; step < 60; ++step)
        {
            double t = (lo + hi) / 2;
            (bezierX(t) < curve->m_pX[i] ? lo : hi) = t;
        }
        EXPECT_NEAR(curve->m_pY[i], bezierY((lo + hi) / 2), 1e-9);
    }
}

TEST(DxfSpline, WildCountsAndTooFewControlPoints)
{
    Imported in(InEntities(
        Pairs({"0",  "SPLINE", "8",  "L", "72", "2000000000", "40", "0", "72", "-4", "40", "1",
               "10", "0",      "20", "0", "10", "1",          "20", "1", "10", "2",  "20", "0"}) +
        Pairs({"0", "SPLINE", "8", "L", "11", "0", "21", "0", "10", "5", "20", "5"}) +
        Pairs({"0", "SPLINE", "71", "-7", "62", "1", "10", "0", "20", "0", "10", "3", "20", "4"})));
    ASSERT_EQ(in.dxf.Read(), 1);
    ASSERT_EQ(in.dxf.m_arrShape.GetSize(), 2);
    EXPECT_GE(in.Line(0)->m_nCount, 2);
    CPolylineShape* straight = in.Line(1); // degree raised to 1: the line itself
    EXPECT_NEAR(straight->m_pX[straight->m_nCount - 1], 3.0, 1e-9);
    for (int i = 0; i < straight->m_nCount; ++i)
        EXPECT_NEAR(straight->m_pY[i], straight->m_pX[i] * 4 / 3, 1e-9);
}
