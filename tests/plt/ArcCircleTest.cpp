#include <gtest/gtest.h>

#include "PltTestSupport.h"

namespace
{
const double kPi = 3.141592653589793;
}

TEST(PltArcsCircles, ArcsTurnAboutThePen)
{
    PlottedFile arcs("PU0,0;AA10,0,90;AA0,-10,90;PU10,10;AR-10,0,90;AR1 0 -90;PU;");
    ASSERT_EQ(arcs.Count(), 4);
    CCircleShape* quarter = arcs.Circle(0);
    EXPECT_EQ(quarter->m_dCenterX, 0.0);
    EXPECT_EQ(quarter->m_dRadius, 10.0);
    EXPECT_EQ(quarter->m_dStartAngle, 0.0);
    EXPECT_DOUBLE_EQ(quarter->m_dEndAngle, kPi / 2);
    EXPECT_EQ(quarter->m_nLayer, 1);
    EXPECT_EQ(quarter->m_nLineType, 1);
    EXPECT_DOUBLE_EQ(arcs.Circle(1)->m_dStartAngle, 1.5 * kPi);
    EXPECT_NEAR(arcs.Circle(1)->m_dEndAngle, 0.0, 1e-12); // 2 pi reached, taken off once
    CCircleShape* relative = arcs.Circle(2);
    EXPECT_EQ(relative->m_dCenterX, 10.0);
    EXPECT_EQ(relative->m_dRadius, 10.0);
    EXPECT_DOUBLE_EQ(relative->m_dStartAngle, kPi);
    EXPECT_DOUBLE_EQ(arcs.Circle(3)->m_dEndAngle, -kPi / 2); // negative sweeps stay negative
    EXPECT_EQ(arcs.plt.m_dPenX, 10.0);                       // arcs never move the pen
}

TEST(PltArcsCircles, CirclesUseTheFirstXFactorAlways)
{
    PlottedFile circles("PU4,4;CI5;CI50,5;CI -2;", 1, 2.0);
    ASSERT_EQ(circles.Count(), 3);
    EXPECT_EQ(circles.Circle(0)->m_dRadius, 10.0);
    EXPECT_EQ(circles.Circle(1)->m_dRadius, 100.0);
    EXPECT_EQ(circles.Circle(2)->m_dRadius, -4.0);
    EXPECT_DOUBLE_EQ(circles.Circle(0)->m_dCenterX, 4 * 0.0254); // the pen, in unit mode 1
    EXPECT_EQ(circles.Circle(0)->m_dEndAngle, 6.283185307179586);
}

TEST(PltArcsCircles, TooFewValuesMakeNothing)
{
    PlottedFile few("PU0,0;AA10,0;AA;CI;CI,,;AA10,,0,90;PU;");
    ASSERT_EQ(few.Count(), 1);
    EXPECT_EQ(few.Circle(0)->m_dRadius, 10.0);
    EXPECT_DOUBLE_EQ(few.Circle(0)->m_dEndAngle, kPi / 2);

    CKVPlt plt;
    EXPECT_DOUBLE_EQ(plt.CalcAngle(0, 0, 0, -1), 1.5 * kPi);
    EXPECT_DOUBLE_EQ(plt.CalcAngle(0, 0, -1, 0), kPi);
    EXPECT_EQ(plt.CalcAngle(3, 3, 3, 3), 0.0);
}
