#include <gtest/gtest.h>

#include "dxf/DxfTestSupport.h"

namespace
{
// An LWPOLYLINE: its header pairs, then its vertex pairs.
std::string Lw(std::initializer_list<const char*> head, std::initializer_list<const char*> vertices)
{
    return Pairs({"0", "LWPOLYLINE"}) + Pairs(head) + Pairs(vertices);
}

bool EndsAt(CPolylineShape* line, double x, double y)
{
    return line->m_pX[line->m_nCount - 1] == x && line->m_pY[line->m_nCount - 1] == y;
}
} // namespace

TEST(DxfPolyline, LayerClosingBulgesAndDroppedEntities)
{
    const auto square = {"10", "0", "20", "0", "10", "10", "20", "0", "10", "10", "20", "10"};
    const auto bent = {"10", "0", "20", "0", "42", "1", "10", "2", "20", "0", "42", "1"};
    Imported in(Pairs({"0", "LAYER", "2", "P", "62", "7"}) +
                InEntities(Lw({"8", "P", "8", "Q", "70", "1"}, square) +
                           Lw({"8", "Q", "8", "P", "70", "129"}, square) +
                           Lw({"8", "P"}, {"10", "5", "20", "5"}) + // one vertex
                           Lw({}, square) +                         // no layer
                           Lw({"8", "SEQEND"}, square) +            // ends the entity
                           Lw({"8", "P", "42", "1"}, square) +      // leading bulge
                           Lw({"8", "P"}, bent) + Lw({"8", "P", "70", "1"}, bent) +
                           Lw({"8", "P", "70", "1"},
                              {"10", "0", "20", "0", "10", "4", "20", "0", "42", "0.0"})));
    ASSERT_EQ(in.dxf.Read(), 1);
    ASSERT_EQ(in.dxf.m_arrShape.GetSize(), 6);
    EXPECT_EQ(in.Line(0)->m_bClose, 1);
    EXPECT_EQ(in.Line(0)->m_nLayer, 1); // the first group 8: P is in the table, Q is not
    EXPECT_EQ(in.Line(1)->m_bClose, 0); // only a flag of exactly 1 closes
    EXPECT_EQ(in.Line(2)->m_nCount, 2); // the first vertex went to the empty line's arc
    EXPECT_EQ(in.Line(2)->m_pX[0], 10.0);
    const int semicircle = in.Line(3)->m_nCount; // the last bulge has no segment when open
    EXPECT_GT(semicircle, 10);
    EXPECT_TRUE(EndsAt(in.Line(3), 2, 0));
    EXPECT_GT(in.Line(4)->m_nCount, semicircle + 8); // the closing arc ends on the first point
    EXPECT_TRUE(EndsAt(in.Line(4), 0, 0));
    EXPECT_EQ(in.Line(5)->m_nCount, 3); // a zero closing bulge still repeats the first point

    Imported cut(Pairs({"0", "SECTION", "2", "ENTITIES"}) + Lw({"8", "L"}, square));
    EXPECT_EQ(cut.dxf.Read(), 0);
}

TEST(DxfPolyline, OldFormReadsVerticesToSeqend)
{
    auto polyline =
        [](const std::string& header66, const std::string& vertex70, const std::string& bulge)
    {
        return "0\nPOLYLINE\n8\nP\n66\n" + header66 +
               "\n10\n0\n20\n0\n0\nVERTEX\n8\nOTHER\n10\n1\n" + "20\n1\n42\n" + bulge +
               "\n0\nVERTEX\n10\n3\n20\n1\n70\n" + vertex70 + "\n0\nSEQEND\n8\nP\n";
    };
    Imported in(InEntities(polyline("1", "1", "0") + polyline("0", "16", "0") +
                           polyline("1", "0", "-1") + LinePairs("P", "0", "0", "1", "1")));
    in.dxf.m_Layers.m_dDxfScaleX = 2.0;
    in.dxf.m_Layers.m_dDxfScaleY = 3.0;
    ASSERT_EQ(in.dxf.Read(), 1);
    ASSERT_EQ(in.dxf.m_arrShape.GetSize(), 4);
    EXPECT_EQ(in.Line(0)->m_nCount, 2); // 66 1: the header's dummy point is dropped
    EXPECT_EQ(in.Line(0)->m_bClose, 1); // by the vertex flag
    EXPECT_EQ(in.Line(1)->m_nCount, 3); // without it the dummy point is a vertex
    EXPECT_GT(in.Line(2)->m_nCount, 3); // bulged segment between the scaled vertices
    EXPECT_TRUE(EndsAt(in.Line(2), 6, 3));
    EXPECT_EQ(in.Line(3)->m_nCount, 2); // the walk goes on after SEQEND
}

TEST(DxfPolyline, PlainReaderIgnoresBulges)
{
    Imported in(
        InEntities(Lw({"8", "L"}, {"10", "0", "20", "0", "42", "1", "10", "2", "20", "0"})));
    for (int pair = 0; pair < 3; ++pair) // up to the entity's name
        ASSERT_EQ(in.dxf.ReadLabel(), 1);
    ASSERT_EQ(in.dxf.ReadPolyline(), 1);
    EXPECT_EQ(in.Line(0)->m_nCount, 2);
}
