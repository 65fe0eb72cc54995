#include <cmath>

#include <gtest/gtest.h>

#include "dxf/CKVDxf.h"

namespace
{
const double kPi = 3.141592653589793;

// A polyline holding only the start point, then one bulged segment to the end point.
struct Segment
{
    Segment(double x1, double y1, double bulge, double x2, double y2)
    {
        line.Add(x1, y1, 1);
        CKVDxf().CalcTuEx(&line, bulge, x2, y2);
    }
    int Appended() const { return line.m_nCount - 1; }
    double Distance(int i, double cx, double cy) const
    {
        return std::hypot(line.m_pX[i] - cx, line.m_pY[i] - cy);
    }
    CPolylineShape line;
};
} // namespace

TEST(Bulge, StraightSegmentsAppendOnlyTheEndPoint)
{
    CPolylineShape empty;
    CKVDxf().CalcTuEx(&empty, 1.0, 5, 5);
    EXPECT_EQ(empty.m_nCount, 0);

    const double bulges[] = {0.0, 1e-06, std::nan(""), 1.0};
    for (double bulge : bulges)
    {
        Segment same(3, 4, bulge, bulge == 1.0 ? 3 : 7, 4); // last: zero chord
        ASSERT_EQ(same.Appended(), 1) << bulge;
        EXPECT_EQ(same.line.m_pY[1], 4.0);
    }
    Segment tooSmall(0, 0, 1.0, 0.19, 0); // R = 0.095
    EXPECT_EQ(tooSmall.Appended(), 1);
    Segment tooLarge(0, 0, 1e-04, 1e6, 0); // R about 2.5e9
    EXPECT_EQ(tooLarge.Appended(), 1);
}

TEST(Bulge, SemicirclesRunBelowForPositiveAndAboveForNegative)
{
    for (double bulge : {1.0, -1.0})
    {
        Segment arc(-1, 0, bulge, 1, 0);
        ASSERT_GT(arc.Appended(), 10);
        double deepest = 0;
        for (int i = 1; i < arc.line.m_nCount; ++i)
        {
            EXPECT_NEAR(arc.Distance(i, 0, 0), 1.0, 1e-9);
            EXPECT_LE(arc.line.m_pY[i] * bulge, 1e-12);
            deepest = std::max(deepest, std::fabs(arc.line.m_pY[i]));
        }
        EXPECT_NEAR(deepest, 1.0, 0.05);
        EXPECT_EQ(arc.line.m_pX[arc.line.m_nCount - 1], 1.0);
        EXPECT_EQ(arc.line.m_pY[arc.line.m_nCount - 1], 0.0);
    }
}

TEST(Bulge, QuarterBulgeWalksSevenStepsFromTheStart)
{
    // Bulge 0.5 over (-1,0)-(1,0): R 1.25, centre (0, 0.75) above the chord, step acos(0.96).
    Segment arc(-1, 0, 0.5, 1, 0);
    ASSERT_EQ(arc.Appended(), 8);
    const double step = std::acos(0.96), start = kPi + std::atan(0.75);
    for (int k = 0; k < 7; ++k)
    {
        EXPECT_NEAR(arc.line.m_pX[k + 1], 1.25 * std::cos(start + k * step), 1e-9);
        EXPECT_NEAR(arc.line.m_pY[k + 1], 0.75 + 1.25 * std::sin(start + k * step), 1e-9);
    }
    EXPECT_EQ(arc.line.m_pX[8], 1.0);
    EXPECT_EQ(arc.line.m_pY[8], 0.0);
}

TEST(Bulge, MajorArcsSweepTheFarSide)
{
    Segment ccw(-1, 0, 2.0, 1, 0);
    Segment cw(-1, 0, -2.0, 1, 0);
    double lowest = 0, highest = 0;
    for (int i = 1; i < ccw.line.m_nCount; ++i)
    {
        EXPECT_NEAR(ccw.Distance(i, 0, -0.75), 1.25, 1e-9);
        lowest = std::min(lowest, ccw.line.m_pY[i]);
    }
    for (int i = 1; i < cw.line.m_nCount; ++i)
    {
        EXPECT_NEAR(cw.Distance(i, 0, 0.75), 1.25, 1e-9);
        highest = std::max(highest, cw.line.m_pY[i]);
    }
    EXPECT_NEAR(lowest, -2.0, 0.05); // within the chord deviation
    EXPECT_NEAR(highest, 2.0, 0.05);
    // The clockwise walk is reversed: it leaves the start going up and left.
    EXPECT_LT(cw.line.m_pX[1], -1.0);
    EXPECT_GT(cw.line.m_pY[1], 0.0);
}

TEST(Bulge, SmallestRadiusStepsBySixthsOfATurn)
{
    // R exactly 0.1 with a semicircle: every step of pi/3 is a chord of 0.1.
    Segment arc(0, 0, 1.0, 0.2, 0);
    ASSERT_GE(arc.Appended(), 4);
    for (int i = 2; i < arc.line.m_nCount - 1; ++i)
        EXPECT_NEAR(std::hypot(arc.line.m_pX[i] - arc.line.m_pX[i - 1],
                               arc.line.m_pY[i] - arc.line.m_pY[i - 1]),
                    0.1, 1e-9);
    // A clockwise sweep shorter than one step adds only the end; counter-clockwise two points.
    Segment cw(0, 0, -0.01, 0.3, 0);
    EXPECT_EQ(cw.Appended(), 1);
    Segment ccw(0, 0, 0.01, 0.3, 0);
    EXPECT_EQ(ccw.Appended(), 2);
    EXPECT_NEAR(ccw.line.m_pX[1], 0.0, 1e-9);
}
