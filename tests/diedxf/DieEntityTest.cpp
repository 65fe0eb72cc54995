#include <gtest/gtest.h>

#include "DieFile.h"

namespace
{
std::string Vertex(const char* x, const char* y)
{
    return Pairs({"0", "VERTEX", "8", "GREEN", "10", x, "20", y, "30", "0"});
}

const std::string kPolyline = Pairs({"0", "POLYLINE", "8", "CUT", "66", "1", "10", "9", "20", "9"});
} // namespace

TEST(DieDxfEntities, EachReaderTakesItsPairs)
{
    CKVDieDxf dxf;
    std::string entities =
        Pairs({"0",  "LINE", "8",  "CREASE", "10", "1",   "20", "2",      "30", "9",  "11", "3",
               "21", "4",    "21", "5",      "0",  "ARC", "62", "1",      "10", "1",  "20", "1",
               "40", "2",    "50", "350",    "51", "10",  "0",  "CIRCLE", "62", "7",  "10", "5",
               "20", "5",    "40", "2.5",    "50", "90",  "0",  "CIRCLE", "8",  "CUT"}) +
        // The placeholder point's y is passed over; the vertices' layer GREEN is not looked at.
        kPolyline + Pairs({"70", "1"}) + Vertex("0", "0") + Vertex("1", "0") + Vertex("1", "1") +
        Vertex("0", "1") + Pairs({"0", "SEQEND"}) + kPolyline + Pairs({"70", "129"}) +
        Vertex("0", "0") + Vertex("1", "0") + Pairs({"62", "7", "0", "SEQEND"}) + kPolyline +
        Vertex("0", "0") + Vertex("2", "0") + Pairs({"42", "0.0", "0", "SEQEND"}) +
        Pairs({"0", "POLYLINE", "62", "1", "10", "9", "20", "9"}) + Vertex("1", "1") +
        Pairs({"0",  "SEQEND", "0",  "LWPOLYLINE", "62", "1", "66", "1",      "10", "5",
               "20", "5",      "10", "6",          "20", "6", "0",  "SPLINE", "62", "7",
               "71", "3",      "10", "0",          "20", "0", "10", "1",      "20", "1",
               "10", "2",      "20", "0",          "11", "7", "21", "7"});
    ASSERT_EQ(ReadDie(dxf, DieFile(entities)), 1);
    EXPECT_EQ(Shapes(dxf), "1:1,2 3,4 3,5 | 0:@1,1 r2 350>10 | 1:@5,5 r2.5 0>360 | 0:@0,0 r0 0>360"
                           " | 0:0,0 1,0 1,1 0,1 closed | 1:0,0 1,0 | 0:0,0 2,0 0,0 | 0:9,9 1,1"
                           " | 0:6,6 closed | 1:0,0 1,1 2,0 closed");
    dxf.Clear();
    // Bulges turn into arcs, and one left after the last vertex closes the outline.
    std::string halfCircle = Pairs({"0", "POLYLINE", "8", "CUT"}) + Vertex("-1", "0") +
                             Pairs({"42", "1.0"}) + Vertex("1", "0") + Pairs({"0", "SEQEND"});
    std::string polygon =
        Pairs({"0", "LWPOLYLINE", "8", "CREASE", "90", "3",  "70", "0",  "10", "0",  "20",
               "0", "10",         "2", "20",     "0",  "10", "2",  "20", "2",  "42", "-1"});
    ASSERT_EQ(ReadDie(dxf, DieFile(halfCircle + polygon)), 1);
    ASSERT_EQ(dxf.m_arrShape.GetSize(), 2);
    const auto* arc = static_cast<CPolylineShape*>(dxf.m_arrShape[0]);
    ASSERT_GT(arc->m_nCount, 3);
    EXPECT_EQ(arc->m_pX[arc->m_nCount - 1], 1.0);
    EXPECT_NEAR(arc->m_pY[arc->m_nCount / 2], -1.0, 0.05); // counter-clockwise: below the chord
    const auto* outline = static_cast<CPolylineShape*>(dxf.m_arrShape[1]);
    ASSERT_GT(outline->m_nCount, 4); // the closing arc from (2, 2) back to (0, 0)
    EXPECT_EQ(outline->m_pX[outline->m_nCount - 1], 0.0);
    EXPECT_EQ(outline->m_pY[outline->m_nCount - 1], 0.0);
}
