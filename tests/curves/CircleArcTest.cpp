#include <gtest/gtest.h>

#include "dxf/DxfTestSupport.h"

namespace
{
const double kPi = 3.141592653589793;

CCircleShape* Circle(Imported& in, INT_PTR i)
{
    return dynamic_cast<CCircleShape*>(in.dxf.m_arrShape[i]);
}
} // namespace

TEST(DxfCircleArc, CircleScalesItsCentreOnlyAndIsWhole)
{
    Imported in(InEntities(Pairs({"0", "CIRCLE", "8", "L", "10", "5", "20", "6", "40", "2"})));
    in.dxf.m_Layers.m_dDxfScaleX = 2.0;
    in.dxf.m_Layers.m_dDxfScaleY = 3.0;
    ASSERT_EQ(in.dxf.Read(), 1);
    ASSERT_EQ(in.dxf.m_arrShape.GetSize(), 1);
    CCircleShape* c = Circle(in, 0);
    EXPECT_EQ(c->m_dCenterX, 10.0);
    EXPECT_EQ(c->m_dCenterY, 18.0);
    EXPECT_EQ(c->m_dRadius, 2.0);
    EXPECT_EQ(c->m_dStartAngle, 0.0);
    EXPECT_EQ(c->m_dEndAngle, 6.283185307179586);
    EXPECT_EQ(c->m_nLineType, 1);
}

TEST(DxfCircleArc, ArcAnglesAreRadiansAsReadWithoutNormalising)
{
    auto arc = [](const char* from, const char* to)
    {
        return Pairs({"0",  "ARC", "8",  "L", "10",  "0", "20",  "0", "40",  "1",
                      "50", from,  "51", to,  "210", "0", "220", "0", "230", "-1"});
    };
    Imported in(InEntities(arc("90", "180") + arc("0", "360") + arc("-90", "450")));
    ASSERT_EQ(in.dxf.Read(), 1);
    ASSERT_EQ(in.dxf.m_arrShape.GetSize(), 3);
    EXPECT_EQ(Circle(in, 0)->m_dStartAngle, 1.5707963267948966);
    EXPECT_EQ(Circle(in, 0)->m_dEndAngle, kPi);
    EXPECT_EQ(Circle(in, 1)->m_dEndAngle, 6.283185307179586);
    EXPECT_EQ(Circle(in, 2)->m_dStartAngle, -0.5 * kPi);
    EXPECT_EQ(Circle(in, 2)->m_dEndAngle, 2.5 * kPi);
}

TEST(DxfCircleArc, CircleStopsAtItsRadiusButArcReadsOn)
{
    Imported in(InEntities(
        Pairs({"0", "CIRCLE", "10", "1", "20", "1", "40", "3", "8", "L"}) + // layer too late
        Pairs({"0", "CIRCLE", "62", "5", "40", "3", "8", "L"}) +            // colour in time
        Pairs({"0", "ARC", "10", "1", "40", "3", "50", "0", "51", "90", "8", "L"}) +
        Pairs({"0", "CIRCLE", "8", "NOT_A_TABLE_LAYER", "10", "7", "20", "7"}) + // no radius
        Pairs({"0", "CIRCLE", "0", "ARC"})));
    ASSERT_EQ(in.dxf.Read(), 1);
    ASSERT_EQ(in.dxf.m_arrShape.GetSize(), 3);
    EXPECT_EQ(Circle(in, 0)->m_nLayer, 1);
    EXPECT_EQ(Circle(in, 1)->m_nLayer, 0);
    EXPECT_EQ(Circle(in, 1)->m_dEndAngle, 0.5 * kPi);
    EXPECT_EQ(Circle(in, 2)->m_dRadius, 0.0);
    EXPECT_EQ(Circle(in, 2)->m_dCenterX, 7.0);
}
