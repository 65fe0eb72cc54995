#include <cmath>

#include <gtest/gtest.h>

#include "dxf/DxfTestSupport.h"

namespace
{
// An LWPOLYLINE on layer L with the given extra pairs before its vertices.
std::string LwPolyline(std::initializer_list<const char*> vertices, const char* flags = "0")
{
    return Pairs({"0", "LWPOLYLINE", "8", "L", "90", "3", "70", flags}) + Pairs(vertices);
}

void ExpectLast(CPolylineShape* line, double x, double y)
{
    EXPECT_EQ(line->m_pX[line->m_nCount - 1], x);
    EXPECT_EQ(line->m_pY[line->m_nCount - 1], y);
}
} // namespace

TEST(DxfPolyline, OnlyFlagOneClosesAndOneVertexStoresNothing)
{
    const char* square[] = {"10", "0", "20", "0", "10", "10", "20", "0", "10", "10", "20", "10"};
    auto vertices = [&](const char* flags)
    {
        std::string text = Pairs({"0", "LWPOLYLINE", "8", "L", "70", flags});
        for (const char* line : square)
            text += std::string(line) + "\n";
        return text;
    };
    Imported in(InEntities(vertices("1") + vertices("129") + LwPolyline({"10", "5", "20", "5"})));
    ASSERT_EQ(in.dxf.Read(), 1);
    ASSERT_EQ(in.dxf.m_arrShape.GetSize(), 2);
    EXPECT_EQ(in.Line(0)->m_nCount, 3);
    EXPECT_EQ(in.Line(0)->m_bClose, 1);
    EXPECT_EQ(in.Line(1)->m_bClose, 0);
    EXPECT_EQ(in.Line(0)->m_nLineType, 1);
}

TEST(DxfPolyline, BulgesBendTheSegmentAfterTheirVertex)
{
    Imported in(InEntities(
        LwPolyline({"10", "0", "20", "0", "42", "1", "10", "2", "20", "0", "42", "1"}) +
        LwPolyline({"10", "0", "20", "0", "10", "2", "20", "0", "10", "2", "20", "2", "42", "1"},
                   "1") +
        LwPolyline({"10", "0", "20", "0", "10", "4", "20", "0", "42", "0.0"}, "1")));
    ASSERT_EQ(in.dxf.Read(), 1);
    ASSERT_EQ(in.dxf.m_arrShape.GetSize(), 3);

    CPolylineShape* open = in.Line(0); // semicircle below, last bulge ignored
    ASSERT_GT(open->m_nCount, 10);
    for (int i = 1; i < open->m_nCount; ++i)
        EXPECT_NEAR(std::hypot(open->m_pX[i] - 1, open->m_pY[i]), 1.0, 1e-9);
    ExpectLast(open, 2, 0);

    CPolylineShape* closed = in.Line(1); // closing semicircle ends on a copy of the first point
    EXPECT_GT(closed->m_nCount, 10);
    ExpectLast(closed, 0, 0);
    CPolylineShape* zero = in.Line(2); // a zero closing bulge still repeats the first point
    EXPECT_EQ(zero->m_nCount, 3);
    ExpectLast(zero, 0, 0);
}

TEST(DxfPolyline, OldFormReadsVerticesToSeqend)
{
    auto polyline = [](const char* header66, const char* vertex70, const char* bulge)
    {
        return Pairs({"0",   "POLYLINE", "8",      "P",      "66",     header66, "10", "0.0", "20",
                      "0.0", "0",        "VERTEX", "8",      "OTHER",  "10",     "1",  "20",  "1",
                      "42",  bulge,      "0",      "VERTEX", "62",     "3",      "10", "3",   "20",
                      "1",   "70",       vertex70, "0",      "SEQEND", "8",      "P"});
    };
    Imported in(Pairs({"0", "LAYER", "2", "P", "62", "7"}) +
                InEntities(polyline("1", "1", "0") + polyline("0", "16", "0") +
                           polyline("1", "0", "-1") + LinePairs("P", "0", "0", "1", "1")));
    in.dxf.m_Layers.m_dDxfScaleX = 2.0;
    in.dxf.m_Layers.m_dDxfScaleY = 3.0;
    ASSERT_EQ(in.dxf.Read(), 1);
    ASSERT_EQ(in.dxf.m_arrShape.GetSize(), 4);

    CPolylineShape* skipped = in.Line(0);
    ASSERT_EQ(skipped->m_nCount, 2); // the header's dummy point is dropped
    EXPECT_EQ(skipped->m_bClose, 1); // by the vertex flag
    EXPECT_EQ(skipped->m_nLayer, 1); // the vertex colour, not the vertex layer
    EXPECT_EQ(skipped->m_pX[0], 2.0);
    EXPECT_EQ(skipped->m_pY[0], 3.0);
    EXPECT_EQ(in.Line(1)->m_nCount, 3); // no 66: the dummy point is a vertex
    EXPECT_EQ(in.Line(1)->m_bClose, 0);
    EXPECT_GT(in.Line(2)->m_nCount, 3); // bulged segment between the vertices
    ExpectLast(in.Line(2), 6, 3);
    EXPECT_EQ(in.Line(3)->m_nCount, 2); // the walk goes on after SEQEND
}

TEST(DxfPolyline, EntityEndsAndDrops)
{
    Imported in(InEntities(
        Pairs({"0", "LWPOLYLINE", "10", "0", "20", "0", "10", "1", "20", "1"}) + // no layer
        Pairs({"0", "LWPOLYLINE", "8", "L", "42", "1", "10", "0", "20", "0", "10", "1", "20", "0",
               "10", "1", "20", "1"}) + // leading bulge
        Pairs({"0", "LWPOLYLINE", "8", "SEQEND", "10", "0", "20", "0"})));
    ASSERT_EQ(in.dxf.Read(), 1);
    ASSERT_EQ(in.dxf.m_arrShape.GetSize(), 1);
    EXPECT_EQ(in.Line(0)->m_nCount, 2); // the first vertex went to the empty line's arc
    EXPECT_EQ(in.Line(0)->m_pX[0], 1.0);

    Imported cut(Pairs({"0", "SECTION", "2", "ENTITIES"}) +
                 LwPolyline({"10", "0", "20", "0", "10", "1", "20", "1"}));
    EXPECT_EQ(cut.dxf.Read(), 0);
    EXPECT_EQ(cut.dxf.m_arrShape.GetSize(), 0);
}

TEST(DxfPolyline, PlainReaderIgnoresBulges)
{
    Imported in(InEntities(LwPolyline({"10", "0", "20", "0", "42", "1", "10", "2", "20", "0"})));
    for (int pair = 0; pair < 3; ++pair) // up to the entity's name
        ASSERT_EQ(in.dxf.ReadLabel(), 1);
    ASSERT_EQ(in.dxf.ReadPolyline(), 1);
    ASSERT_EQ(in.dxf.m_arrShape.GetSize(), 1);
    EXPECT_EQ(in.Line(0)->m_nCount, 2);
}
