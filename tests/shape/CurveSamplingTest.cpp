#include <cmath>

#include <gtest/gtest.h>

#include "shape/Shape.h"

namespace
{
CPolylineShape Controls(std::initializer_list<std::pair<double, double>> points)
{
    CPolylineShape line;
    for (auto [x, y] : points)
        line.Add(x, y, 0);
    return line;
}
} // namespace

TEST(BasicSpline, DegreesAreDrawnBetweenOneAndEleven)
{
    CPolylineShape low = Controls({{0, 0}, {3, 4}, {6, 0}});
    low.BasicSpline(-7); // at degree 1: the control polygon itself
    ASSERT_EQ(low.m_nCount, 3);
    EXPECT_EQ(low.m_pY[1], 4.0);
    // Each curve point costs the square of the degree: a file's degree 5000 must not stall.
    CPolylineShape high, eleven;
    for (int i = 0; i < 5001; ++i)
        for (CPolylineShape* line : {&high, &eleven})
            line->Add(i, i % 2 ? 1.0 : -1.0, 0);
    high.BasicSpline(5000);
    eleven.BasicSpline(11);
    ASSERT_EQ(high.m_nCount, eleven.m_nCount);
    for (int i = 0; i < high.m_nCount; ++i)
        EXPECT_TRUE(high.m_pX[i] == eleven.m_pX[i] && high.m_pY[i] == eleven.m_pY[i]) << i;
}

TEST(BasicSpline, StaysWithinTheDeviationAndBounded)
{
    // A quadratic with knots 0,0,0,1,1,1 is the parabola y = 2 * 100 t (1 - t) over x = 4 t.
    CPolylineShape arch = Controls({{0, 0}, {2, 100}, {4, 0}});
    arch.BasicSpline(2);
    ASSERT_GT(arch.m_nCount, 2);
    for (int i = 1; i < arch.m_nCount; ++i)
    {
        double t = (arch.m_pX[i - 1] + arch.m_pX[i]) / 8; // the chord's middle parameter
        EXPECT_LE(std::fabs((arch.m_pY[i - 1] + arch.m_pY[i]) / 2 - 200 * t * (1 - t)), 0.05);
    }
    CPolylineShape huge = Controls({{0, 0}, {1e300, 1e300}, {-1e300, 1e300}, {0, 0}});
    huge.BasicSpline(9);
    EXPECT_LE(huge.m_nCount, 257); // 256 segments a span at most
}

TEST(BasicSpline, EachPieceRunsToItsOwnEnd)
{
    // An inner knot repeated more than the degree breaks the curve: each piece ends at its
    // own last control point before the next piece starts at its first.
    CPolylineShape lines = Controls({{0, 0}, {1, 0}, {5, 5}, {6, 5}});
    double lineKnots[] = {0, 0, 1, 1, 2, 2};
    lines.BasicSpline(1, 6, lineKnots);
    ASSERT_EQ(lines.m_nCount, 4);
    const double pieceEnds[] = {0, 1, 5, 6};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(lines.m_pX[i], pieceEnds[i]) << i;

    CPolylineShape arches = Controls({{0, 0}, {1, 2}, {2, 0}, {10, 0}, {11, 2}, {12, 0}});
    double archKnots[] = {0, 0, 0, 1, 1, 1, 2, 2, 2};
    arches.BasicSpline(2, 9, archKnots);
    int jump = 0;
    while (jump + 1 < arches.m_nCount && arches.m_pX[jump + 1] < 10)
        ++jump;
    EXPECT_EQ(arches.m_pX[jump], 2.0);
    EXPECT_EQ(arches.m_pY[jump], 0.0);
    EXPECT_EQ(arches.m_pX[jump + 1], 10.0);
    EXPECT_EQ(arches.m_pX[arches.m_nCount - 1], 12.0);

    // Repeated only as often as the degree, the curve is whole and passes the knot once.
    CPolylineShape corner = Controls({{0, 0}, {1, 0}, {1, 1}});
    double cornerKnots[] = {0, 0, 1, 2, 2};
    corner.BasicSpline(1, 5, cornerKnots);
    EXPECT_EQ(corner.m_nCount, 3);
}

TEST(EllipsePolyData, SweepWithinAMillionthOfATurnIsWhole)
{
    // Drawings write the end parameter of a whole ellipse with six decimals.
    for (auto [end, closed] : {std::pair{6.283185, 1}, std::pair{6.2831, 0}, std::pair{kTwoPi, 1}})
    {
        CEllipseShape ellipse;
        ellipse.m_dMajor = 10;
        ellipse.m_dMinor = 5;
        ellipse.m_dEndParam = end;
        POLYDATA record;
        ellipse.GetPolyData(record);
        EXPECT_EQ(record.m_bClose, closed) << end;
        // A whole turn does not repeat its first point at the end.
        EXPECT_EQ(record.m_nAux, closed ? record.m_nCount : record.m_nCount - 1) << end;
        delete[] record.m_pX;
        delete[] record.m_pY;
    }
}
