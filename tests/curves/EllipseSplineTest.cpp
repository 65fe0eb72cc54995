#include <cmath>
#include <tuple>

#include <gtest/gtest.h>

#include "dxf/DxfTestSupport.h"

TEST(DxfEllipse, PolylineAlongItsMajorAxisWithMissingGroupsDefaulted)
{
    auto ellipse = [](std::initializer_list<const char*> axes) {
        return Pairs({"0", "ELLIPSE", "8", "L", "10", "1", "20", "2"}) + Pairs(axes);
    };
    Imported in(InEntities(
        ellipse({"11", "0", "21", "4", "40", "0.5"}) + ellipse({"11", "-3", "40", "0.5"}) +
        ellipse({"11", "3"}) + ellipse({"40", "0.5"}) +            // ratio 1; no axis: a point
        Pairs({"0", "ELLIPSE", "10", "1", "20", "2", "11", "1"}) + // no layer
        ellipse({"11", "2", "40", "0.5", "41", "4.71238898038469", "42", "1.5707963267948966"}) +
        ellipse({"11", "1e12"})));
    in.dxf.m_Layers.m_dDxfScaleX = in.dxf.m_Layers.m_dDxfScaleY = 2.0;
    ASSERT_EQ(in.dxf.Read(), 1);
    ASSERT_EQ(in.dxf.m_arrShape.GetSize(), 6);
    EXPECT_EQ(in.Line(0)->m_bClose, 1); // a whole turn closes without repeating its first point
    EXPECT_NE(in.Line(0)->m_pX[in.Line(0)->m_nCount - 1], in.Line(0)->m_pX[0]);
    // Reach along x and y from the centre: the centre doubles, the axes keep their lengths.
    const double reach[][2] = {{2, 4}, {3, 1.5}, {3, 3}, {0, 0}};
    for (int k = 0; k < 4; ++k)
    {
        double farX = 0, farY = 0;
        for (int i = 0; i < in.Line(k)->m_nCount; ++i)
        {
            farX = std::max(farX, std::fabs(in.Line(k)->m_pX[i] - 2));
            farY = std::max(farY, std::fabs(in.Line(k)->m_pY[i] - 4));
        }
        EXPECT_NEAR(farX, reach[k][0], 0.05) << k;
        EXPECT_NEAR(farY, reach[k][1], 0.05) << k;
    }
    CPolylineShape* part = in.Line(4); // the end below the start: on through 2 pi
    EXPECT_EQ(part->m_bClose, 0);
    EXPECT_NEAR(part->m_pY[0], 3.0, 1e-9);
    EXPECT_NEAR(part->m_pY[part->m_nCount - 1], 5.0, 1e-9);
    for (int i = 0; i < part->m_nCount; ++i)
        EXPECT_GE(part->m_pX[i], 2 - 1e-9);
    EXPECT_EQ(in.Line(5)->m_nCount, 4096); // the cap
}

TEST(DxfSpline, KnotsAfterGroup72UpToItsCountReachTheCurve)
{
    const std::string knots = "40\n0\n40\n0\n40\n0\n40\n0\n40\n0.25\n40\n1\n40\n1\n40\n1\n40\n1\n";
    const std::tuple<std::string, bool, int> cases[] = {
        {"70\n8\n72\n9\n" + knots + "40\n0.5\n", true, 0}, // beyond the count
        {"70\n11\n40\n7\n72\n9\n" + knots, true, 1},       // before 72
        {"70\n-3\n72\n2000000000\n" + knots, true, -1},    // wild count
        {"72\n0\n" + knots, false, 0},  // an empty list: the clamped uniform knots
        {"72\n-4\n" + knots, false, 0}, // no list at all
        {"72\n9\n40\n0\n40\n0\n40\n0\n40\n0\n40\n0.5\n40\n1\n40\n1\n40\n1\n40\n0.5\n", false,
         0}}; // falling knots fall back
    for (const auto& [pairs, knotsUsed, closed] : cases)
    {
        Imported in(InEntities(Pairs({"0", "SPLINE", "8", "L", "71", "3"}) + pairs +
                               Pairs({"10", "0", "20", "0", "10", "1", "20", "2", "10", "3",
                                      "20", "2", "10", "4", "20", "0", "10", "6", "20", "1"}) +
                               Pairs({"0", "SPLINE", "8", "L", "10", "5", "20", "5"})));
        ASSERT_EQ(in.dxf.Read(), 1);
        ASSERT_EQ(in.dxf.m_arrShape.GetSize(), 1) << pairs; // one control point: no curve
        CPolylineShape expected;
        for (auto [x, y] : {std::pair{0, 0}, {1, 2}, {3, 2}, {4, 0}, {6, 1}})
            expected.Add(x, y, 0);
        double given[] = {0, 0, 0, 0, 0.25, 1, 1, 1, 1};
        knotsUsed ? expected.BasicSpline(3, 9, given) : expected.BasicSpline(3);
        CPolylineShape* curve = in.Line(0);
        EXPECT_EQ(curve->m_bClose, closed);
        ASSERT_EQ(curve->m_nCount, expected.m_nCount) << pairs;
        for (int i = 0; i < curve->m_nCount; ++i)
            EXPECT_EQ(curve->m_pY[i], expected.m_pY[i]) << pairs << i;
    }
}
