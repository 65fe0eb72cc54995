#include <gtest/gtest.h>

#include "dxf/DxfTestSupport.h"

TEST(DxfCircleArc, CircleStopsAtItsRadiusArcReadsOnForItsAngles)
{
    const double kPi = 3.141592653589793;
    Imported in(InEntities(
        Pairs({"0", "CIRCLE", "8", "L", "10", "5", "20", "6", "40", "2"}) +
        Pairs({"0", "ARC", "8", "L", "40", "1", "50", "-90", "51", "450"}) +
        Pairs({"0", "CIRCLE", "10", "1", "20", "1", "40", "3", "8", "L"}) + // layer too late
        Pairs({"0", "CIRCLE", "62", "5", "40", "3", "8", "L"}) +            // colour in time
        Pairs({"0", "ARC", "10", "1", "40", "3", "50", "0", "51", "90", "8", "L"}) +
        Pairs({"0", "CIRCLE", "8", "NOT_A_TABLE_LAYER", "10", "7", "20", "7"}) + // no radius
        Pairs({"0", "CIRCLE", "0", "ARC"})));
    in.dxf.m_Layers.m_dDxfScaleX = 2.0;
    in.dxf.m_Layers.m_dDxfScaleY = 3.0;
    ASSERT_EQ(in.dxf.Read(), 1);
    ASSERT_EQ(in.dxf.m_arrShape.GetSize(), 5);
    auto circle = [&](INT_PTR i) { return dynamic_cast<CCircleShape*>(in.dxf.m_arrShape[i]); };
    EXPECT_EQ(circle(0)->m_dCenterX, 10.0); // the centre scales, the radius does not
    EXPECT_EQ(circle(0)->m_dCenterY, 18.0);
    EXPECT_EQ(circle(0)->m_dRadius, 2.0);
    EXPECT_EQ(circle(0)->m_dStartAngle, 0.0);
    EXPECT_EQ(circle(0)->m_dEndAngle, 2 * kPi);
    EXPECT_EQ(circle(1)->m_dStartAngle, -0.5 * kPi); // radians, not normalised
    EXPECT_EQ(circle(1)->m_dEndAngle, 2.5 * kPi);
    EXPECT_EQ(circle(2)->m_nLayer, 1);
    EXPECT_EQ(circle(3)->m_nLayer, 0);
    EXPECT_EQ(circle(3)->m_dEndAngle, 0.5 * kPi);
    EXPECT_EQ(circle(4)->m_dRadius, 0.0);
    EXPECT_EQ(circle(4)->m_dCenterX, 14.0);
}
