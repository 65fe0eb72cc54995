#include <gtest/gtest.h>

#include "DxfTestSupport.h"

TEST(DxfText, KeepsFieldsOnLayerFiveAndScalesHeightByX)
{
    Imported in(Words("0 LAYER 2 T 62 1") +
                InEntities(Words("0 TEXT 8 T 62 3") + Pairs({"1", "   Hello"}) +
                           Words("7 ROMANS 10 5 20 7 40 2.5 41 0.8 50 90 0 TEXT")));
    in.dxf.m_Layers.m_dDxfScaleX = 2.0;
    in.dxf.m_Layers.m_dDxfScaleY = 3.0;
    ASSERT_EQ(in.dxf.Read(), 1);
    ASSERT_EQ(in.dxf.m_arrShape.GetSize(), 2);
    auto* text = dynamic_cast<CTextShape*>(in.dxf.m_arrShape[0]);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->m_strText, L"Hello");
    EXPECT_EQ(text->m_strStyle, L"ROMANS");
    EXPECT_EQ(std::vector<double>(
                  {text->m_dX, text->m_dY, text->m_dHeight, text->m_dWidthFactor, text->m_dAngle}),
              std::vector<double>({10.0, 21.0, 5.0, 0.8, 1.5707963267948966}));
    EXPECT_EQ(text->m_nLayer, 5);
    EXPECT_EQ(static_cast<CTextShape*>(in.dxf.m_arrShape[1])->m_strText, L"");
}

TEST(DxfImage, OutlineIsTheClosedFourCornerBoxAndZeroSizesGiveNone)
{
    // The second image is turned a quarter; the last three have a zero size or no layer.
    Imported in(InEntities(Words("0 IMAGE 8 0 10 10 20 20 11 0.5 21 0 12 0 22 0.5 13 100 23 40 "
                                 "0 IMAGE 62 2 11 0 21 0.5 12 -0.5 22 0 13 100 23 40 "
                                 "0 IMAGE 8 0 13 100 23 0 0 IMAGE 8 0 11 1 22 1 "
                                 "0 IMAGE 13 100 23 40")));
    ASSERT_EQ(in.dxf.Read(), 1);
    ASSERT_EQ(in.dxf.m_arrShape.GetSize(), 2);
    const std::vector<double> corners[2] = {{10, 20, 60, 20, 60, 40, 10, 40},
                                            {0, 0, 0, 50, -20, 50, -20, 0}};
    for (int i = 0; i < 2; ++i)
    {
        EXPECT_EQ(Points(in.Line(i)), corners[i]);
        EXPECT_EQ(in.Line(i)->m_bClose, 1);
    }
}
