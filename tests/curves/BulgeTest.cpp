#include <cmath>

#include <gtest/gtest.h>

#include "dxf/CKVDxf.h"

namespace
{
// A polyline holding only the start point, then one bulged segment to the end point.
CPolylineShape Segment(double x1, double y1, double bulge, double x2, double y2)
{
    CPolylineShape line;
    line.Add(x1, y1, 1);
    CKVDxf().CalcTuEx(&line, bulge, x2, y2);
    return line;
}
} // namespace

TEST(Bulge, PointsAppended)
{
    // End x (from the origin along y 0), bulge, points appended.
    const double cases[][3] = {
        {4, 0.0, 1},     {4, 1e-06, 1}, {4, std::nan(""), 1}, {0, 1.0, 1}, // zero chord
        {0.19, 1.0, 1},  // radius 0.095, below 0.1
        {1e6, 1e-04, 1}, // radius about 2.5e9, above 999999999
        {0.3, -0.01, 1}, // clockwise sweep shorter than one step: the end alone
        {0.3, 0.01, 2},  // counter-clockwise: the start again, then the end
        {2, 0.5, 8}};    // R 1.25, step acos(0.96): seven steps, then the end
    for (const auto& [x2, bulge, appended] : cases)
    {
        CPolylineShape line = Segment(0, 0, bulge, x2, 0);
        EXPECT_EQ(line.m_nCount - 1, appended) << x2 << " " << bulge;
        EXPECT_EQ(line.m_pX[line.m_nCount - 1], x2);
    }
}

TEST(Bulge, ArcsLieOnTheirCircleInOrderAtTheDeviationStep)
{
    const double rd = 0.8838834764831844; // of a bulge 0.5 over the diagonal of the unit square
    // Start x, y, end x, y, bulge, centre x, y, radius.
    const double cases[][8] = {
        {-1, 0, 1, 0, 1.0, 0, 0, 1},         {-1, 0, 1, 0, -1.0, 0, 0, 1},
        {-1, 0, 1, 0, 0.5, 0, 0.75, 1.25},   {-1, 0, 1, 0, 2.0, 0, -0.75, 1.25},
        {-1, 0, 1, 0, -2.0, 0, 0.75, 1.25},  {0, 0, 0.2, 0, 1.0, 0.1, 0, 0.1}, // smallest R
        {0, 0, 1, 1, 0.5, 0.125, 0.875, rd}, {1, 1, 0, 0, -0.5, 0.125, 0.875, rd}};
    for (const auto& [x1, y1, x2, y2, bulge, cx, cy, r] : cases)
    {
        CPolylineShape arc = Segment(x1, y1, bulge, x2, y2);
        const int last = arc.m_nCount - 1;
        const double chord = std::hypot(x2 - x1, y2 - y1), step = std::acos((r - 0.05) / r);
        for (int i = 1; i < last; ++i)
        {
            const double x = arc.m_pX[i], y = arc.m_pY[i];
            EXPECT_NEAR(std::hypot(x - cx, y - cy), r, 1e-9) << bulge << " " << i;
            // Signed distance from the chord: a positive bulge runs on its right.
            const double side = ((x2 - x1) * (y - y1) - (y2 - y1) * (x - x1)) / chord;
            EXPECT_LE(side * bulge, 1e-12);
            if (i > 1) // every walked step has the chord of the deviation's angle
            {
                EXPECT_NEAR(std::hypot(x - arc.m_pX[i - 1], y - arc.m_pY[i - 1]),
                            2 * r * std::sin(step / 2), 1e-9);
            }
        }
        // Walked from the start, even when clockwise; the exact end comes last.
        EXPECT_LT(std::hypot(arc.m_pX[1] - x1, arc.m_pY[1] - y1),
                  std::hypot(arc.m_pX[1] - x2, arc.m_pY[1] - y2));
        EXPECT_TRUE(arc.m_pX[last] == x2 && arc.m_pY[last] == y2);
    }
}
