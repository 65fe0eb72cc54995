#include <gtest/gtest.h>

#include <cmath>

#include "DxfTestSupport.h"

namespace
{
// Block DOOR, base (10, 0), one LINE from (10, 0) to (20, 0).
const std::string kDoorBlock = Words("0 SECTION 2 BLOCKS 0 BLOCK 8 0 2 DOOR 70 0 10 10 20 0 0 LINE "
                                     "8 0 10 10 20 0 11 20 21 0 0 ENDBLK 0 ENDSEC");

std::string Insert(const std::string& name, const std::string& angleAndMore = "0 41 2")
{
    return Words("0 INSERT 8 0 2 " + name + " 10 100 20 50 50 " + angleAndMore);
}

CPolylineShape* Child(CKVDxf& dxf, INT_PTR insert, INT_PTR child)
{
    auto* body = static_cast<CBodyShape*>(dxf.m_arrInsert[insert]);
    return static_cast<CPolylineShape*>(body->m_arrShape[child]);
}
} // namespace

TEST(DxfBlocks, InsertsPlaceTurnedCopiesAtScaleOneByCaseSensitiveName)
{
    Imported in(kDoorBlock +
                InEntities(Insert("DOOR") + Insert("DOOR", "90 41 2") + Insert("DOOR", "210 42 2") +
                           Insert("door") + Words("0 insert 2 DOOR 62 3 0 INSERT 2 DOOR 10 1")));
    ASSERT_EQ(in.dxf.Read(), 1);
    EXPECT_EQ(in.dxf.m_arrShape.GetSize(), 0);
    ASSERT_EQ(in.dxf.m_arrInsert.GetSize(), 4);
    const double degrees[] = {0, 90, 210};
    for (int i = 0; i < 3; ++i)
    {
        CPolylineShape* line = Child(in.dxf, i, 0);
        double a = degrees[i] / 180.0 * 3.141592653589793;
        EXPECT_NEAR(line->m_pX[0], 100.0, 1e-9);
        EXPECT_NEAR(line->m_pY[0], 50.0, 1e-9);
        EXPECT_NEAR(line->m_pX[1], 100.0 + 10.0 * std::cos(a), 1e-9) << degrees[i];
        EXPECT_NEAR(line->m_pY[1], 50.0 + 10.0 * std::sin(a), 1e-9) << degrees[i];
        EXPECT_EQ(static_cast<CBodyShape*>(in.dxf.m_arrInsert[i])->m_nState, 1);
    }
    EXPECT_EQ(Child(in.dxf, 3, 0)->m_nLayer, 1); // by colour, placed at the origin
    EXPECT_NEAR(Child(in.dxf, 3, 0)->m_pX[0], 0.0, 1e-9);
}

TEST(DxfBlocks, BodyHoldsShapesReversedFirstDefinitionWinsEmptyBlocksDropped)
{
    Imported in(Words("0 BLOCK 2 B") + LinePairs("0", "0", "0", "1", "0") +
                Words("0 TEXT 1 skipped 0 ELLIPSE 8 0") + LinePairs("0", "0", "0", "2", "0") +
                LinePairs("0", "0", "0", "3", "0") + Words("0 ENDBLK 0 BLOCK 2 B") +
                LinePairs("0", "0", "0", "9", "0") +
                Words("0 ENDBLK 0 BLOCK 2 EMPTY 0 TEXT 1 t 0 ENDBLK") +
                InEntities(Insert("B") + Insert("EMPTY")));
    ASSERT_EQ(in.dxf.Read(), 1);
    ASSERT_EQ(in.dxf.m_arrBlock.GetSize(), 2);
    ASSERT_EQ(in.dxf.m_arrInsert.GetSize(), 1);
    ASSERT_EQ(static_cast<CBodyShape*>(in.dxf.m_arrInsert[0])->m_arrShape.GetSize(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(Child(in.dxf, 0, i)->m_pX[1] - Child(in.dxf, 0, i)->m_pX[0], 3.0 - i, 1e-9);
    EXPECT_EQ(in.dxf.m_arrTemp.GetSize(), 0);
}

TEST(DxfBlocks, InsertBeforeItsBlockAndCutOffBlockMakeNothing)
{
    Imported early(Words("0 SECTION 2 ENTITIES") + Insert("DOOR") + Words("0 ENDSEC") + kDoorBlock +
                   InEntities(""));
    ASSERT_EQ(early.dxf.Read(), 1);
    EXPECT_EQ(early.dxf.m_arrBlock.GetSize(), 1);
    EXPECT_EQ(early.dxf.m_arrInsert.GetSize(), 0);
    Imported cut(Words("0 BLOCK 2 B") + LinePairs("0", "0", "0", "1", "0") + Words("0 LINE 8 0"));
    EXPECT_EQ(cut.dxf.Read(), 0);
    EXPECT_EQ(cut.dxf.m_arrBlock.GetSize(), 0);
}
