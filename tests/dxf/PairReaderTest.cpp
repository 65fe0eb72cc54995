#include <gtest/gtest.h>

#include "DxfTestSupport.h"

TEST(DxfPairReader, TrimsValuesAndReadsCodesUntrimmed)
{
    Imported in("  10\r\n  LINE \t\r\n\n ENTITIES\r\n");
    ASSERT_EQ(in.opened, 1);
    ASSERT_EQ(in.dxf.ReadLabel(), 1);
    EXPECT_EQ(in.dxf.m_nCode, 10);
    EXPECT_EQ(in.dxf.m_strValue, L"LINE");
    ASSERT_EQ(in.dxf.ReadLabel(), 1);
    EXPECT_EQ(in.dxf.m_nCode, 0); // empty code line
    EXPECT_EQ(in.dxf.m_strValue.CompareNoCase(L"entities"), 0);
}

TEST(DxfPairReader, FileEndingAfterCodeLineKeepsNewCodeAndOldValue)
{
    Imported in(Pairs({"0", "SECTION", "2"}));
    ASSERT_EQ(in.dxf.ReadLabel(), 1);
    EXPECT_EQ(in.dxf.ReadLabel(), 0);
    EXPECT_EQ(in.dxf.m_nCode, 2);
    EXPECT_EQ(in.dxf.m_strValue, L"SECTION");
    EXPECT_EQ(in.dxf.ReadLabel(), 0);
}

TEST(DxfPairReader, OpenOfMissingPathFails)
{
    CKVDxf dxf;
    EXPECT_EQ(dxf.Open(L"/nonexistent/drawing.dxf"), 0);
    EXPECT_EQ(dxf.m_pFile, nullptr);
    dxf.clear();
    EXPECT_EQ(dxf.clearTemp(), 0);
}

TEST(DxfPairReader, SecondOpenDropsBlocksAndLayersButKeepsOutput)
{
    Imported in(
        Pairs({"0", "LAYER", "2",  "A", "62", "1", "0",  "BLOCK", "2",  "B", "0", "LINE",
               "8", "A",     "10", "0", "20", "0", "11", "1",     "21", "1", "0", "ENDBLK"}) +
        InEntities(LinePairs("A", "0", "0", "1", "1") +
                   Pairs({"0", "INSERT", "2", "B", "8", "A"})));
    ASSERT_EQ(in.dxf.Read(), 1);
    ASSERT_EQ(in.dxf.m_arrLayer.GetSize(), 1);
    ASSERT_EQ(in.dxf.m_arrBlock.GetSize(), 1);
    in.dxf.m_arrTemp.Add(new CPolylineShape);
    EXPECT_EQ(in.dxf.Open(CString(in.file.WidePath().c_str())), 1);
    EXPECT_EQ(in.dxf.m_arrLayer.GetSize(), 0);
    EXPECT_EQ(in.dxf.m_arrBlock.GetSize(), 0);
    EXPECT_EQ(in.dxf.m_arrTemp.GetSize(), 0);
    EXPECT_EQ(in.dxf.m_arrShape.GetSize(), 1);
    EXPECT_EQ(in.dxf.m_arrInsert.GetSize(), 1);
}

TEST(DxfPairReader, GetCodeSplitsAtFirstHash)
{
    CKVDxf dxf;
    int code = -5;
    CString name = L"x";
    EXPECT_EQ(dxf.GetCode(L"HOLE", code, name), 0);
    EXPECT_EQ(code, -5);
    EXPECT_EQ(name, L"");
    EXPECT_EQ(dxf.GetCode(L"HOLE#12", code, name), 1);
    EXPECT_EQ(code, 12);
    EXPECT_EQ(name, L"HOLE");
    EXPECT_EQ(dxf.GetCode(L"#7", code, name), 1);
    EXPECT_EQ(code, 7);
    EXPECT_EQ(name, L"");
    EXPECT_EQ(dxf.GetCode(L"A#B#3", code, name), 1);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(name, L"A");
}
