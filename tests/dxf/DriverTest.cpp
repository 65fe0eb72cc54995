#include <gtest/gtest.h>

#include "DxfTestSupport.h"

TEST(DxfDriver, LineTakesLayerFromTableOrColour)
{
    Imported in(
        Pairs({"0", "LAYER", "2", "CUT", "62", "1"}) +
        InEntities(
            LinePairs("CUT", "1", "2", "3", "4") + LinePairs("NOPE", "0", "0", "1", "1") +
            Pairs({"0", "LINE", "8",  "NOPE", "62", "5", "10", "0", "20", "0", "11", "1", "21", "1",
                   "0", "LINE", "62", "0",    "10", "0", "20", "0", "11", "1", "21", "1"})));
    ASSERT_EQ(in.dxf.Read(), 1);
    ASSERT_EQ(in.dxf.m_arrShape.GetSize(), 4);
    const int layers[] = {1, 0, 1, 1};
    for (int i = 0; i < 4; ++i)
    {
        CPolylineShape* line = in.Line(i);
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->m_nLayer, layers[i]);
        EXPECT_EQ(line->m_nLineType, 1);
        EXPECT_EQ(line->m_bClose, 0);
        EXPECT_EQ(line->m_nCount, 2);
    }
    EXPECT_EQ(in.Line(0)->m_pX[1], 3.0);
    EXPECT_EQ(in.Line(0)->m_pY[1], 4.0);
}

TEST(DxfDriver, DropsLinesWithoutLayerOrSecondPointAndSkipsUnknownTypes)
{
    Imported in(InEntities(Pairs(
        {"0",  "LINE", "10", "0", "20", "0",     "11", "1", "21", "1", "0",  "line",  "8",  "L",
         "10", "5",    "20", "5", "0",  "POINT", "8",  "L", "10", "1", "0",  "MTEXT", "1",  "LINE",
         "0",  "LINE", "8",  "L", "10", "1",     "20", "2", "11", "3", "21", "4",     "21", "5"})));
    in.dxf.m_Layers.m_dDxfScaleX = 2.0;
    in.dxf.m_Layers.m_dDxfScaleY = 3.0;
    ASSERT_EQ(in.dxf.Read(), 1);
    ASSERT_EQ(in.dxf.m_arrShape.GetSize(), 1);
    CPolylineShape* line = in.Line(0);
    ASSERT_EQ(line->m_nCount, 3);
    const double xs[] = {2, 6, 6}, ys[] = {6, 12, 15};
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_EQ(line->m_pX[i], xs[i]);
        EXPECT_EQ(line->m_pY[i], ys[i]);
    }
}

TEST(DxfDriver, WalkEndsAtAnyEofValueAndFailsOnTruncation)
{
    Imported lowerEof(Pairs({"0", "SECTION", "2", "HEADER", "9", "$CLAYER", "8", "eof"}) +
                      InEntities(LinePairs("L", "0", "0", "1", "1")));
    EXPECT_EQ(lowerEof.dxf.Read(), 1);
    EXPECT_EQ(lowerEof.dxf.m_arrShape.GetSize(), 0);

    Imported empty(InEntities(""));
    EXPECT_EQ(empty.dxf.ReadEntities(), 1);
    EXPECT_EQ(empty.dxf.m_arrShape.GetSize(), 0);

    Imported cut(Pairs({"0", "SECTION", "2", "ENTITIES"}) + LinePairs("L", "0", "0", "1", "1") +
                 Pairs({"0", "LINE", "8", "L", "10", "0", "20", "0", "11"}));
    EXPECT_EQ(cut.dxf.Read(), 0);
    EXPECT_EQ(cut.dxf.m_arrShape.GetSize(), 1);

    Imported noEof(Pairs({"0", "SECTION", "2", "ENTITIES", "0", "ENDSEC"}));
    EXPECT_EQ(noEof.dxf.Read(), 0);
}
