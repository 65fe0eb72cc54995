#include <gtest/gtest.h>

#include "shape/Shape.h"

TEST(BodyTypeAngles, PackAndUnpack)
{
    CBodyType type;
    auto packed = [&](double single, double mul)
    {
        type.SetAngle(single, mul);
        return type.m_dAngleCode;
    };
    EXPECT_EQ(packed(90, 180), 180090.0);
    EXPECT_EQ(type.GetSingleAngle(), 90.0);
    EXPECT_EQ(type.GetMulAngle(), 180.0);
    EXPECT_EQ(packed(370.5, 725), 5010.5);
    EXPECT_EQ(packed(360, 360), 360360.0);
    EXPECT_EQ(packed(0, 90.7), 90000.0);
    EXPECT_EQ(packed(-10, 90), 89990.0); // negative angles do not survive
    EXPECT_EQ(type.GetSingleAngle(), 990.0);
    EXPECT_EQ(type.GetMulAngle(), 89.0);
    EXPECT_EQ(packed(0, 3e6), 120000.0); // 3e6 less 8333 whole turns

    type.SetAngle(90, 180);
    type.SetAngleEx(1, 45);
    EXPECT_EQ(type.m_dAngleCode, 45090.0);
    type.SetAngleEx(0, 30);
    EXPECT_EQ(type.m_dAngleCode, 45030.0);
    type.SetAngleEx(2, 30);
    EXPECT_EQ(type.m_dAngleCode, 45030.0);
    type.SetAngleEx(1, 1e12); // whole turns beyond the int range: the 32-bit products wrap
    EXPECT_TRUE(std::isfinite(type.m_dAngleCode));
}

TEST(NestRecord, CopiesEveryField)
{
    static_assert(std::has_virtual_destructor<CKVSingleNestSortCenter>::value);
    CKVSingleNestSortCenter record;
    record.m_nBody = 3;
    record.m_dCenterX = 1.5;
    record.m_dSortKey = -2;
    record.m_nCount = 7;
    CKVSingleNestSortCenter copy(record);
    EXPECT_EQ(copy.m_nBody, 3);
    EXPECT_EQ(copy.m_dCenterX, 1.5);
    EXPECT_EQ(copy.m_dSortKey, -2.0);
    EXPECT_EQ(copy.m_nCount, 7);
}

TEST(EdgeAndPolygonTests, TolerancesAndSigns)
{
    CKVEdage edge;
    EXPECT_EQ(edge.IsMiddle(5, 10, 0), 1);
    EXPECT_EQ(edge.IsMiddle(5, 0, 10), 1);
    EXPECT_EQ(edge.IsMiddle(10.0005, 0, 10), 1);
    EXPECT_EQ(edge.IsMiddle(10.01, 0, 10), 0);
    EXPECT_EQ(edge.IsMiddle(-0.002, 0, 10), 0);
    EXPECT_EQ(edge.PTP(0, 0, 3, 4), 5.0);

    CKVMathPoly poly;
    EXPECT_EQ(poly.IsConvx(1.0, 1.0), 1);
    EXPECT_EQ(poly.IsConvx(1.0, 1.000009), 1);
    EXPECT_EQ(poly.IsConvx(1.0, 1.1), 0);
    EXPECT_EQ(poly.IsConvx(1.0, -5.0), 1); // below pi no lower limit
    EXPECT_EQ(poly.IsConvx(4.0, 0.5), 0);
    EXPECT_EQ(poly.IsConvx(4.0, 1.0), 1);
    EXPECT_EQ(poly.Corss(0, 0, 1, 0, 0, 1), 1.0);
    EXPECT_EQ(poly.Corss(0, 0, 0, 1, 1, 0), -1.0);
    EXPECT_EQ(poly.Corss(0, 0, 1, 1, 2, 2), 0.0);
}
