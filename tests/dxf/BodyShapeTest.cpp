#include <gtest/gtest.h>

#include "shape/Shape.h"

TEST(DxfBodyShape, CopyIsDeepAndMovesAndTurnsWithItsBase)
{
    CBodyShape body;
    body.m_strName = L"DOOR";
    body.m_dBaseX = 10.0;
    auto* line = new CPolylineShape;
    line->Add(10.0, 0.0, 1);
    line->Add(20.0, 0.0, 1);
    body.m_arrShape.Add(line);

    std::unique_ptr<CBodyShape> copy(body.CopyBodyShape());
    ASSERT_EQ(copy->m_arrShape.GetSize(), 1);
    auto* copied = static_cast<CPolylineShape*>(copy->m_arrShape[0]);
    ASSERT_NE(copied, line);
    EXPECT_EQ(copy->m_strName, L"DOOR");
    copy->Offset(90.0, 50.0);
    copy->Rotate(100.0, 50.0, 3.141592653589793 / 2);
    for (auto [got, want] : {std::pair{copy->m_dBaseX, 100.0},
                             {copy->m_dBaseY, 50.0},
                             {copied->m_pX[1], 100.0},
                             {copied->m_pY[1], 60.0}})
        EXPECT_NEAR(got, want, 1e-9);
    EXPECT_EQ(line->m_pX[1], 20.0); // the original stays put
}
