#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "DieFile.h"

namespace
{
struct Point
{
    double x, y;
};

std::vector<Point> PointsOf(const CPolylineShape* shape)
{
    std::vector<Point> points;
    for (int i = 0; i < shape->m_nCount; ++i)
        points.push_back({shape->m_pX[i], shape->m_pY[i]});
    return points;
}

std::string Vertex(const char* x, const char* y)
{
    return Pairs({"0", "VERTEX", "8", "GREEN", "10", x, "20", y, "30", "0"});
}
} // namespace

TEST(DieDxfLinesArcsCircles, ReadGeometryAsWritten)
{
    CKVDieDxf dxf;
    std::string entities = Pairs(
        {"0",  "LINE", "8",  "CREASE", "10", "1.0", "20", "2.0",    "30", "9",      "11", "3.0",
         "21", "4.0",  "21", "5",      "0",  "ARC", "62", "1",      "10", "1",      "20", "1",
         "40", "2",    "50", "350",    "51", "10",  "0",  "CIRCLE", "62", "7",      "10", "5",
         "20", "5",    "40", "2.5",    "50", "90",  "0",  "LINE",   "0",  "CIRCLE", "8",  "CUT"});
    ASSERT_EQ(ReadDie(dxf, DieFile(entities)), 1);
    ASSERT_EQ(dxf.m_arrShape.GetSize(), 4);
    auto line = PointsOf(PolylineAt(dxf, 0));
    ASSERT_EQ(line.size(), 3u);
    EXPECT_EQ(line[0].x, 1.0);
    EXPECT_EQ(line[0].y, 2.0);
    EXPECT_EQ(line[2].x, 3.0);
    EXPECT_EQ(line[2].y, 5.0);
    EXPECT_EQ(PolylineAt(dxf, 0)->m_nLineType, 1);
    auto* arc = dynamic_cast<CCircleShape*>(dxf.m_arrShape.GetAt(1));
    EXPECT_EQ(arc->m_dStartAngle, 6.1086523819801535);
    EXPECT_EQ(arc->m_dEndAngle, 0.17453292519943295);
    auto* circle = dynamic_cast<CCircleShape*>(dxf.m_arrShape.GetAt(2));
    EXPECT_EQ(circle->m_dRadius, 2.5);
    EXPECT_EQ(circle->m_dCenterX, 5.0);
    EXPECT_EQ(circle->m_dStartAngle, 0.0);
    EXPECT_EQ(circle->m_dEndAngle, 6.283185307179586);
    EXPECT_EQ(circle->m_nLineType, 1);
    ASSERT_NE(dynamic_cast<CCircleShape*>(dxf.m_arrShape.GetAt(3)), nullptr); // by its layer
}

TEST(DieDxfPolylines, VerticesBulgesAndTheClosingPiece)
{
    CKVDieDxf dxf;
    std::string header = Pairs({"0", "POLYLINE", "8", "CUT", "66", "1", "10", "9", "20", "9"});
    std::string closedSquare = header + Pairs({"70", "1"}) + Vertex("0", "0") + Vertex("1", "0") +
                               Vertex("1", "1") + Vertex("0", "1") + Pairs({"0", "SEQEND"});
    std::string open129 = header + Pairs({"70", "129"}) + Vertex("0", "0") + Vertex("1", "0") +
                          Pairs({"62", "7", "0", "SEQEND"});
    std::string halfCircle = header + Vertex("-1", "0") + Pairs({"42", "1.0"}) + Vertex("1", "0") +
                             Pairs({"0", "SEQEND"});
    std::string straightBack =
        header + Vertex("0", "0") + Vertex("2", "0") + Pairs({"42", "0.0", "0", "SEQEND"});
    std::string no66 = Pairs({"0", "POLYLINE", "62", "1", "10", "9", "20", "9"}) +
                       Vertex("1", "1") + Pairs({"0", "SEQEND"});
    ASSERT_EQ(ReadDie(dxf, DieFile(closedSquare + open129 + halfCircle + straightBack + no66)), 1);
    ASSERT_EQ(dxf.m_arrShape.GetSize(), 5);
    auto* square = PolylineAt(dxf, 0);
    EXPECT_EQ(square->m_nCount, 4);
    EXPECT_EQ(square->m_pX[0], 0.0);
    EXPECT_EQ(square->m_bClose, 1);
    EXPECT_EQ(square->m_nLineType, 0); // the vertices' layer GREEN is not looked at
    EXPECT_EQ(PolylineAt(dxf, 1)->m_bClose, 0);
    EXPECT_EQ(PolylineAt(dxf, 1)->m_nLineType, 1); // a vertex colour overrides
    auto arc = PointsOf(PolylineAt(dxf, 2));
    ASSERT_GT(arc.size(), 3u);
    EXPECT_EQ(arc.front().x, -1.0);
    EXPECT_EQ(arc.back().x, 1.0);
    EXPECT_NEAR(arc[arc.size() / 2].y, -1.0, 0.05); // counter-clockwise runs below the chord
    auto back = PointsOf(PolylineAt(dxf, 3));
    ASSERT_EQ(back.size(), 3u);
    EXPECT_EQ(back[2].x, 0.0);
    EXPECT_EQ(PolylineAt(dxf, 3)->m_bClose, 0);
    auto placeholder = PointsOf(PolylineAt(dxf, 4));
    ASSERT_EQ(placeholder.size(), 2u);
    EXPECT_EQ(placeholder[0].x, 9.0);
}

TEST(DieDxfPolylines, PolygonsAlwaysCloseAndSplinesKeepControlPoints)
{
    CKVDieDxf dxf;
    std::string polygon =
        Pairs({"0", "LWPOLYLINE", "8", "CREASE", "90", "3",  "70", "0",  "10", "0",  "20",
               "0", "10",         "2", "20",     "0",  "10", "2",  "20", "2",  "42", "-1"});
    std::string dropFirst = Pairs(
        {"0", "LWPOLYLINE", "62", "1", "66", "1", "10", "5", "20", "5", "10", "6", "20", "6"});
    std::string spline =
        Pairs({"0", "SPLINE", "62", "7",  "71", "3",  "10", "0",  "20", "0",  "10",
               "1", "20",     "1",  "10", "2",  "20", "0",  "11", "7",  "21", "7"});
    ASSERT_EQ(ReadDie(dxf, DieFile(polygon + dropFirst + spline + Pairs({"0", "SPLINE"}))), 1);
    ASSERT_EQ(dxf.m_arrShape.GetSize(), 3);
    auto outline = PointsOf(PolylineAt(dxf, 0));
    EXPECT_EQ(PolylineAt(dxf, 0)->m_bClose, 1);
    EXPECT_EQ(PolylineAt(dxf, 0)->m_nLineType, 1);
    ASSERT_GT(outline.size(), 4u); // the closing arc from (2, 2) back to (0, 0)
    EXPECT_EQ(outline.back().x, 0.0);
    EXPECT_EQ(outline.back().y, 0.0);
    auto kept = PointsOf(PolylineAt(dxf, 1));
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].x, 6.0);
    EXPECT_EQ(PolylineAt(dxf, 2)->m_nCount, 3);
    EXPECT_EQ(PolylineAt(dxf, 2)->m_bClose, 1);
}
