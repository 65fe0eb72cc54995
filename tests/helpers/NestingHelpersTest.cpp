#include <iterator>
#include <tuple>

#include <gtest/gtest.h>

#include "shape/Shape.h"

TEST(BodyTypeAngles, PackAndUnpack)
{
    CBodyType type;
    // Single and multiple angle in, packed code out. Negative angles do not survive; 3e6 loses
    // 8333 whole turns; 1e12 has more turns than an int holds (INT_MIN) and, its 32-bit
    // products wrapping to 0, keeps all of them.
    const double packs[] = {370.5, 725, 5010.5, 360, 360,  360360, 0,   90.7, 90000,
                            0,     3e6, 120000, 5,   1e12, 5,      -10, 90,   89990};
    for (size_t i = 0; i < std::size(packs); i += 3)
    {
        type.SetAngle(packs[i], packs[i + 1]);
        EXPECT_EQ(type.m_dAngleCode, packs[i + 2]) << packs[i] << " " << packs[i + 1];
    }
    EXPECT_EQ(std::make_pair(type.GetSingleAngle(), type.GetMulAngle()),
              std::make_pair(990.0, 89.0));
    type.SetAngle(90, 180);
    EXPECT_EQ(std::make_pair(type.GetSingleAngle(), type.GetMulAngle()),
              std::make_pair(90.0, 180.0));
    type.SetAngleEx(1, 45);
    EXPECT_EQ(type.m_dAngleCode, 45090.0);
    type.SetAngleEx(0, 30);
    type.SetAngleEx(2, 60); // neither angle
    EXPECT_EQ(type.m_dAngleCode, 45030.0);
}

TEST(NestRecord, CopiesEveryField)
{
    auto fields = [](CKVSingleNestSortCenter& r)
    {
        return std::tie(r.m_nBody, r.m_dCenterX, r.m_dCenterY, r.m_dAngle, r.m_dWidth, r.m_dHeight,
                        r.m_dArea, r.m_dOffsetX, r.m_dOffsetY, r.m_dSortKey, r.m_nCount);
    };
    CKVSingleNestSortCenter record;
    fields(record) = std::make_tuple(1, 2.0, 3.0, 4.0, 5.0, 6.0, 7.0, 8.0, 9.0, -10.0, 11);
    CKVSingleNestSortCenter copy(record);
    EXPECT_EQ(fields(copy), fields(record));
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
