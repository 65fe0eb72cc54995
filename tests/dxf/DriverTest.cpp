#include <gtest/gtest.h>

#include "DxfTestSupport.h"

TEST(DxfDriver, LinesTakeTheLayerRuleAndScaleAndOtherTypesArePassedOver)
{
    Imported in(
        Pairs({"0", "LAYER", "2", "CUT", "62", "1"}) +
        InEntities(LinePairs("CUT", "3", "4") + LinePairs("NOPE", "1") +
                   Pairs({"0", "LINE", "8", "NOPE", "62", "5", "10", "0", "20", "0", "11", "1",
                          "21", "1"}) +
                   Pairs({"0", "LINE", "62", "0", "10", "0", "20", "0", "11", "1", "21", "1"}) +
                   Pairs({"0", "LINE", "10", "0", "20", "0", "11", "1", "21", "1"}) + // no layer
                   Pairs({"0", "line", "8", "L", "10", "5", "20", "5"}) + // no second point
                   Pairs({"0", "POINT", "8", "L"}) + Pairs({"0", "MTEXT", "1", "LINE"}) +
                   LinePairs("L", "3", "4") + Pairs({"21", "5"}))); // a repeated 21 adds a point
    in.dxf.m_Layers.m_dDxfScaleX = 2.0;
    in.dxf.m_Layers.m_dDxfScaleY = 3.0;
    ASSERT_EQ(in.dxf.Read(), 1);
    ASSERT_EQ(in.dxf.m_arrShape.GetSize(), 5);
    const int layers[] = {1, 0, 1, 1, 0}, counts[] = {2, 2, 2, 2, 3};
    for (int i = 0; i < 5; ++i)
    {
        EXPECT_EQ(in.Line(i)->m_nLayer, layers[i]) << i;
        EXPECT_EQ(in.Line(i)->m_nCount, counts[i]) << i;
        EXPECT_EQ(in.Line(i)->m_nLineType, 1);
        EXPECT_EQ(in.Line(i)->m_bClose, 0);
    }
    const double xs[] = {0, 6, 6}, ys[] = {0, 12, 15};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(std::make_pair(in.Line(4)->m_pX[i], in.Line(4)->m_pY[i]),
                  std::make_pair(xs[i], ys[i]));
}

TEST(DxfDriver, WalkEndsAtAnyEofValueAndFailsOnTruncationOrMissingEof)
{
    Imported lowerEof(Pairs({"0", "SECTION", "2", "HEADER", "9", "$CLAYER", "8", "eof"}) +
                      InEntities(LinePairs("L", "1")));
    EXPECT_EQ(lowerEof.dxf.Read(), 1);
    EXPECT_EQ(lowerEof.dxf.m_arrShape.GetSize(), 0);

    Imported cut(Pairs({"0", "SECTION", "2", "ENTITIES"}) + LinePairs("L", "1") +
                 Pairs({"0", "LINE", "8", "L", "10", "0", "20", "0", "11"}));
    EXPECT_EQ(cut.dxf.Read(), 0);
    EXPECT_EQ(cut.dxf.m_arrShape.GetSize(), 1);
    EXPECT_EQ(Imported(Pairs({"0", "SECTION", "2", "ENTITIES", "0", "ENDSEC"})).dxf.Read(), 0);
}
