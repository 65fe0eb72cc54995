#include <gtest/gtest.h>

#include <tuple>

#include "DxfTestSupport.h"

TEST(DxfPairReader, ReadsIntegerCodesTrimmedValuesCutLongLinesAndStopsAtTheEnd)
{
    // A value past the 2047-character line buffer is cut; its rest is read as the next code line.
    Imported in("  10\r\n  LINE \t\r\n\n ENTITIES\r\n1\n" + std::string(2047, 'x') +
                "7\nEND\n0\nEOF\n2\n");
    const int codes[] = {10, 0, 1, 7, 0};
    const std::wstring values[] = {L"LINE", L"ENTITIES", std::wstring(2047, L'x'), L"END", L"EOF"};
    for (int i = 0; i < 5; ++i)
    {
        ASSERT_EQ(in.dxf.ReadLabel(), 1) << i;
        EXPECT_EQ(in.dxf.m_nCode, codes[i]);
        EXPECT_EQ(in.dxf.m_strValue, values[i].c_str());
    }
    EXPECT_EQ(in.dxf.ReadLabel(), 0); // cut after a code line: the new code, the old value
    EXPECT_EQ(in.dxf.m_nCode, 2);
    EXPECT_EQ(in.dxf.m_strValue, L"EOF");
    EXPECT_EQ(CKVDxf().Open(L"/nonexistent/drawing.dxf"), 0);
}

TEST(DxfPairReader, GetCodeSplitsAtTheFirstHash)
{
    const std::tuple<const wchar_t*, int, int, const wchar_t*> cases[] = {
        {L"HOLE", 0, -5, L""}, {L"H#12", 1, 12, L"H"}, {L"#7", 1, 7, L""}, {L"A#B#3", 1, 0, L"A"}};
    for (const auto& [text, result, wantCode, wantName] : cases)
    {
        int code = -5;
        CString name = L"x";
        EXPECT_EQ(CKVDxf().GetCode(text, code, name), result) << text;
        EXPECT_EQ(code, wantCode) << text;
        EXPECT_EQ(name, wantName) << text;
    }
}
