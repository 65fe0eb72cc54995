#include <cmath>
#include <memory>

#include <gtest/gtest.h>

#include "shape/Shape.h"

namespace
{
struct Record : POLYDATA
{
    ~Record()
    {
        delete[] m_pX;
        delete[] m_pY;
    }
};

CPolylineShape Controls(std::initializer_list<std::pair<double, double>> points)
{
    CPolylineShape line;
    for (auto [x, y] : points)
        line.Add(x, y, 0);
    return line;
}
} // namespace

TEST(BasicSpline, BadKnotsFallBackToClampedUniform)
{
    CPolylineShape uniform = Controls({{0, 0}, {1, 3}, {2, -3}, {3, 0}});
    uniform.BasicSpline(3);
    double shortList[] = {0, 0, 0, 1};
    double falling[] = {0, 0, 0, 0, 1, 1, 1, 0.5};
    for (double* knots : {shortList, falling})
    {
        CPolylineShape given = Controls({{0, 0}, {1, 3}, {2, -3}, {3, 0}});
        given.BasicSpline(3, knots == shortList ? 4 : 8, knots);
        ASSERT_EQ(given.m_nCount, uniform.m_nCount);
        for (int i = 0; i < given.m_nCount; ++i)
            EXPECT_EQ(given.m_pY[i], uniform.m_pY[i]);
    }
}

TEST(BasicSpline, StaysWithinTheDeviationAndBounded)
{
    // A quadratic with knots 0,0,0,1,1,1 is the parabola y = 2 * 100 t (1 - t) over x = 4 t.
    CPolylineShape arch = Controls({{0, 0}, {2, 100}, {4, 0}});
    arch.BasicSpline(2);
    ASSERT_GT(arch.m_nCount, 2);
    ASSERT_LE(arch.m_nCount, 257);
    for (int i = 1; i < arch.m_nCount; ++i)
    {
        double t = (arch.m_pX[i - 1] + arch.m_pX[i]) / 8; // the chord's middle parameter
        double curveY = 200 * t * (1 - t);
        EXPECT_LE(std::fabs((arch.m_pY[i - 1] + arch.m_pY[i]) / 2 - curveY), 0.05);
    }
    CPolylineShape huge = Controls({{0, 0}, {1e300, 1e300}, {-1e300, 1e300}, {0, 0}});
    huge.BasicSpline(9);
    EXPECT_LE(huge.m_nCount, 257);
}

TEST(EllipsePoints, WholeTurnsClosePartsOpenAndCountsAreCapped)
{
    CEllipseShape ellipse;
    ellipse.m_dMajor = 10;
    ellipse.m_dMinor = 5;
    Record whole;
    ellipse.GetPolyData(whole);
    EXPECT_EQ(whole.m_bClose, 1);
    EXPECT_NE(whole.m_pX[whole.m_nCount - 1], whole.m_pX[0]);

    ellipse.m_dStartParam = 1.5 * M_PI; // end below start: through 2 pi to pi / 2
    ellipse.m_dEndParam = 0.5 * M_PI;
    Record part;
    ellipse.GetPolyData(part);
    EXPECT_EQ(part.m_bClose, 0);
    EXPECT_NEAR(part.m_pY[0], -5, 1e-9);
    EXPECT_NEAR(part.m_pY[part.m_nCount - 1], 5, 1e-9);
    for (int i = 0; i < part.m_nCount; ++i)
        EXPECT_GE(part.m_pX[i], -1e-9);

    ellipse.m_dMajor = ellipse.m_dMinor = 1e12;
    Record capped;
    ellipse.GetPolyData(capped);
    EXPECT_EQ(capped.m_nCount, 4096);
}

TEST(BasicSpline, DegreesAboveElevenAreDrawnAtEleven)
{
    // Each curve point costs the square of the degree: a file's degree 5000 must not stall.
    auto zigzag = []
    {
        CPolylineShape line;
        for (int i = 0; i < 5001; ++i)
            line.Add(i, i % 2 ? 1.0 : -1.0, 0);
        return line;
    };
    CPolylineShape high = zigzag(), eleven = zigzag();
    high.BasicSpline(5000);
    eleven.BasicSpline(11);
    ASSERT_EQ(high.m_nCount, eleven.m_nCount);
    for (int i = 0; i < high.m_nCount; i += 97)
        EXPECT_EQ(high.m_pY[i], eleven.m_pY[i]);
}
