#include <gtest/gtest.h>

#include <memory>

#include "DxfTestSupport.h"

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
    copy->Offset(90.0, 50.0);
    copy->Rotate(100.0, 50.0, 3.141592653589793 / 2);
    ASSERT_EQ(copy->m_arrShape.GetSize(), 1);
    EXPECT_EQ(copy->m_strName, L"DOOR");
    std::vector<double> got = Points(static_cast<CPolylineShape*>(copy->m_arrShape[0]));
    got.insert(got.end(), {copy->m_dBaseX, copy->m_dBaseY});
    const double want[] = {100, 50, 100, 60, 100, 50};
    for (size_t i = 0; i < 6; ++i)
        EXPECT_NEAR(got[i], want[i], 1e-9) << i;
    EXPECT_EQ(Points(line), std::vector<double>({10, 0, 20, 0})); // the original stays put
}
