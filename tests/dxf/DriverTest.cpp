#include <gtest/gtest.h>

#include "DxfTestSupport.h"

TEST(DxfDriver, LinesTakeTheLayerRuleAndScaleAndOtherTypesArePassedOver)
{
    Imported in(Words("0 LAYER 2 CUT 62 1") +
                InEntities(LinePairs("CUT", "0", "0", "3", "0") +
                           LinePairs("NOPE", "0", "0", "1", "0") +
                           Words("0 LINE 8 NOPE 62 5 10 0 20 0 11 1 21 0") +
                           Words("0 LINE 62 0 10 0 20 0 11 1 21 1") +
                           Words("0 LINE 10 0 20 0 11 1 21 1") +       // no layer
                           Words("0 line 8 L 10 5 20 5 0 POINT 8 L") + // no second point
                           Words("0 MTEXT 1 LINE") + LinePairs("L", "0", "0", "3", "0") +
                           Words("21 4 21 5"))); // a repeated 21 adds a point
    in.dxf.m_Layers.m_dDxfScaleX = 2.0;
    in.dxf.m_Layers.m_dDxfScaleY = 3.0;
    ASSERT_EQ(in.dxf.Read(), 1);
    ASSERT_EQ(in.dxf.m_arrShape.GetSize(), 5);
    const int layers[] = {1, 0, 1, 1, 0}, counts[] = {2, 2, 2, 2, 4};
    for (int i = 0; i < 5; ++i)
    {
        EXPECT_EQ(in.Line(i)->m_nLayer, layers[i]) << i;
        EXPECT_EQ(in.Line(i)->m_nCount, counts[i]) << i;
        EXPECT_EQ(in.Line(i)->m_nLineType, 1);
        EXPECT_EQ(in.Line(i)->m_bClose, 0);
    }
    EXPECT_EQ(Points(in.Line(4)), std::vector<double>({0, 0, 6, 0, 6, 12, 6, 15}));
}

TEST(DxfDriver, WalkEndsAtAnyEofValueAndFailsOnTruncationOrMissingEof)
{
    Imported lowerEof(Words("0 SECTION 2 HEADER 9 $CLAYER 8 eof") +
                      InEntities(LinePairs("L", "0", "0", "1", "0")));
    EXPECT_EQ(lowerEof.dxf.Read(), 1);
    EXPECT_EQ(lowerEof.dxf.m_arrShape.GetSize(), 0);
    Imported cut(Words("0 SECTION 2 ENTITIES") + LinePairs("L", "0", "0", "1", "0") +
                 Words("0 LINE 8 L 10 0 20 0 11"));
    EXPECT_EQ(cut.dxf.Read(), 0);
    EXPECT_EQ(cut.dxf.m_arrShape.GetSize(), 1);
    EXPECT_EQ(Imported(Words("0 SECTION 2 ENTITIES 0 ENDSEC")).dxf.Read(), 0);
}
