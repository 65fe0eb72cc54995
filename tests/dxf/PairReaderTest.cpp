#include <gtest/gtest.h>

#include "DxfTestSupport.h"

TEST(DxfPairReader, ReadsIntegerCodesTrimmedValuesCutLongLinesAndStopsAtTheEnd)
{
    // A value past the 2047-character line buffer is cut; its rest is read as the next code line.
    Imported in("  10\r\n  LINE \t\r\n\n ENTITIES\r\n1\n" + std::string(2047, 'x') +
                "7\nEND\n0\nSECTION\n2\n");
    ASSERT_EQ(in.opened, 1);
    const std::pair<int, std::wstring> expected[] = {{10, L"LINE"},
                                                     {0, L"ENTITIES"},
                                                     {1, std::wstring(2047, L'x')},
                                                     {7, L"END"},
                                                     {0, L"SECTION"}};
    for (const auto& [code, value] : expected)
    {
        ASSERT_EQ(in.dxf.ReadLabel(), 1) << code;
        EXPECT_EQ(in.dxf.m_nCode, code);
        EXPECT_EQ(in.dxf.m_strValue, value.c_str());
    }
    EXPECT_EQ(in.dxf.ReadLabel(), 0); // cut after a code line: the new code, the old value
    EXPECT_EQ(in.dxf.m_nCode, 2);
    EXPECT_EQ(in.dxf.m_strValue, L"SECTION");
    EXPECT_EQ(in.dxf.ReadLabel(), 0);
}

TEST(DxfPairReader, OpenFailsOnMissingPathAndReopenDropsBlocksAndLayersButKeepsOutput)
{
    EXPECT_EQ(CKVDxf().Open(L"/nonexistent/drawing.dxf"), 0);
    Imported in(Pairs({"0", "LAYER", "2", "A", "62", "1", "0", "BLOCK", "2", "B"}) +
                LinePairs("A", "1") + Pairs({"0", "ENDBLK"}) +
                InEntities(LinePairs("A", "1") + Pairs({"0", "INSERT", "2", "B", "8", "A"})));
    ASSERT_EQ(in.dxf.Read(), 1);
    ASSERT_EQ(in.dxf.m_arrLayer.GetSize() + in.dxf.m_arrBlock.GetSize(), 2);
    in.dxf.m_arrTemp.Add(new CPolylineShape);
    EXPECT_EQ(in.dxf.Open(CString(in.file.WidePath().c_str())), 1);
    EXPECT_EQ(in.dxf.m_arrLayer.GetSize() + in.dxf.m_arrBlock.GetSize(), 0);
    EXPECT_EQ(in.dxf.m_arrTemp.GetSize(), 0);
    EXPECT_EQ(in.dxf.m_arrShape.GetSize() + in.dxf.m_arrInsert.GetSize(), 2);
}

TEST(DxfPairReader, GetCodeSplitsAtTheFirstHash)
{
    const struct
    {
        const wchar_t* text;
        int result, code;
        const wchar_t* name;
    } cases[] = {{L"HOLE", 0, -5, L""},
                 {L"HOLE#12", 1, 12, L"HOLE"},
                 {L"#7", 1, 7, L""},
                 {L"A#B#3", 1, 0, L"A"}};
    for (const auto& c : cases)
    {
        int code = -5;
        CString name = L"x";
        EXPECT_EQ(CKVDxf().GetCode(c.text, code, name), c.result) << c.text;
        EXPECT_EQ(code, c.code) << c.text;
        EXPECT_EQ(name, c.name) << c.text;
    }
}
