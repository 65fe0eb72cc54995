#include <gtest/gtest.h>

#include "DxfTestSupport.h"

TEST(DxfText, KeepsFieldsOnLayerFiveAndScalesHeightByX)
{
    Imported in(Pairs({"0", "LAYER", "2", "T", "62", "1"}) +
                InEntities(Pairs({"0",  "TEXT",   "8",  "T",  "62", "3",   "1",  "   Hello",
                                  "7",  "ROMANS", "10", "5",  "20", "7",   "40", "2.5",
                                  "41", "0.8",    "50", "90", "0",  "TEXT"})));
    in.dxf.m_Layers.m_dDxfScaleX = 2.0;
    in.dxf.m_Layers.m_dDxfScaleY = 3.0;
    ASSERT_EQ(in.dxf.Read(), 1);
    ASSERT_EQ(in.dxf.m_arrShape.GetSize(), 2);
    auto* text = dynamic_cast<CTextShape*>(in.dxf.m_arrShape[0]);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->m_strText, L"Hello");
    EXPECT_EQ(text->m_strStyle, L"ROMANS");
    EXPECT_EQ(text->m_dX, 10.0);
    EXPECT_EQ(text->m_dY, 21.0);
    EXPECT_EQ(text->m_dHeight, 5.0);
    EXPECT_EQ(text->m_dWidthFactor, 0.8);
    EXPECT_EQ(text->m_dAngle, 1.5707963267948966);
    EXPECT_EQ(text->m_nLayer, 5);
    EXPECT_EQ(static_cast<CTextShape*>(in.dxf.m_arrShape[1])->m_strText, L"");
}

TEST(DxfImage, OutlineIsTheClosedFourCornerBox)
{
    Imported in(InEntities(
        Pairs({"0",  "IMAGE", "8",  "0",   "10", "10",    "20", "20",  "11", "0.5",   "21", "0",
               "12", "0",     "22", "0.5", "13", "100",   "23", "40",  "0",  "IMAGE", "62", "2",
               "11", "0",     "21", "0.5", "12", "-0.5",  "22", "0",   "13", "100",   "23", "40",
               "0",  "IMAGE", "8",  "0",   "13", "100",   "23", "0",   "0",  "IMAGE", "8",  "0",
               "11", "1",     "22", "1",   "0",  "IMAGE", "13", "100", "23", "40"})));
    ASSERT_EQ(in.dxf.Read(), 1);
    ASSERT_EQ(in.dxf.m_arrShape.GetSize(), 2);
    const double xs[2][4] = {{10, 60, 60, 10}, {0, 0, -20, -20}};
    const double ys[2][4] = {{20, 20, 40, 40}, {0, 50, 50, 0}};
    for (int i = 0; i < 2; ++i)
    {
        CPolylineShape* outline = in.Line(i);
        ASSERT_EQ(outline->m_nCount, 4);
        EXPECT_EQ(outline->m_bClose, 1);
        EXPECT_EQ(outline->m_nLineType, 1);
        for (int k = 0; k < 4; ++k)
        {
            EXPECT_EQ(outline->m_pX[k], xs[i][k]);
            EXPECT_EQ(outline->m_pY[k], ys[i][k]);
        }
    }
}
