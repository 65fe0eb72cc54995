#include <iterator>

#include <gtest/gtest.h>

#include "shape/Shape.h"

TEST(BodyTypeAngles, PackAndUnpack)
{
    CBodyType type;
    // Single and multiple angle in, packed code out. Negative angles do not survive; 3e6 loses
    // 8333 whole turns; 1e12 truncates to INT_MIN, whose 32-bit products wrap to 0.
    const double packs[] = {370.5, 725, 5010.5, 360, 360,  360360, 0,   90.7, 90000,
                            0,     3e6, 120000, 5,   1e12, 5,      -10, 90,   89990};
    for (size_t i = 0; i < std::size(packs); i += 3)
    {
        type.SetAngle(packs[i], packs[i + 1]);
        EXPECT_EQ(type.m_dAngleCode, packs[i + 2]) << packs[i] << " " << packs[i + 1];
    }
    EXPECT_EQ(type.GetSingleAngle(), 990.0);
    EXPECT_EQ(type.GetMulAngle(), 89.0);
    type.SetAngleEx(1, 45);
    EXPECT_EQ(type.m_dAngleCode, 45990.0);
    type.SetAngleEx(0, 30);
    type.SetAngleEx(2, 60); // neither angle
    EXPECT_EQ(type.m_dAngleCode, 45030.0);
}

TEST(EdgeAndPolygonTests, TolerancesAndSigns)
{
    CKVEdage edge; // x, a, b, between: either way round, with a tolerance near 0.001
    const double middles[] = {5,  10, 0,     1, 5,  0, 10,     1, 10.0005, 0,
                              10, 1,  10.01, 0, 10, 0, -0.002, 0, 10,      0};
    for (size_t i = 0; i < std::size(middles); i += 4)
        EXPECT_EQ(edge.IsMiddle(middles[i], middles[i + 1], middles[i + 2]), middles[i + 3]) << i;
    EXPECT_EQ(edge.PTP(0, 0, 3, 4), 5.0);
    CKVMathPoly poly; // first, second, convex: below pi no lower limit on the second angle
    const double convex[] = {1, 1, 1, 1, 1.000009, 1, 1, 1.1, 0, 1, -5, 1, 4, 0.5, 0, 4, 1, 1};
    for (size_t i = 0; i < std::size(convex); i += 3)
        EXPECT_EQ(poly.IsConvx(convex[i], convex[i + 1]), convex[i + 2]) << i;
    EXPECT_EQ(poly.Corss(0, 0, 1, 0, 0, 1), 1.0);
    EXPECT_EQ(poly.Corss(0, 0, 0, 1, 1, 0), -1.0);
    EXPECT_EQ(poly.Corss(0, 0, 1, 1, 2, 2), 0.0);
}
