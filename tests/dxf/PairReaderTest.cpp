#include <gtest/gtest.h>

#include <tuple>
#include <vector>

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

// A pair read gives the code of its first line and its second line trimmed, as two line reads
// and Trim would, whatever the lines: blanks of every kind at both ends, CR LF, a lone CR, NULs,
// UTF-8, values around the lengths that the fast read takes whole, at shifting places.
TEST(DxfPairReader, EveryPairIsItsTwoLinesTrimmed)
{
    const char* codes[] = {"10", "  20", "-5", " 7 ", "12345678901", "\t5", "8", "x"};
    const char* ends[] = {"", " ", "\t", " \v\f", "\r"};
    const std::string middles[] = {"1234.567890", "LINE",      "",
                                   "a\rb",        "\xC3\xA9t", std::string("x\0y", 3)};
    std::string text;
    for (unsigned i = 0; text.size() < 60000; ++i)
    {
        const std::string middle = middles[i % 6] + std::string(i % 37, 'k');
        text += std::string(codes[i % 8]) + (i % 5 ? "\n" : "\r\n") + ends[i % 5] + middle +
                ends[(i / 5) % 5] + (i % 3 ? "\n" : "\r\n");
    }
    Imported in(text);
    TempFile same(text, ".txt");
    FILE* lines = _wfopen(same.WidePath().c_str(), L"r");
    std::vector<wchar_t> line(2048);
    for (int pair = 0; RvzReadWideLine(line.data(), 2048, lines) >= 0; ++pair)
    {
        const int code = _wtoi(line.data());
        ASSERT_GE(RvzReadWideLine(line.data(), 2048, lines), 0);
        CString value(line.data());
        ASSERT_EQ(in.dxf.ReadLabel(), 1) << "pair " << pair;
        ASSERT_EQ(in.dxf.m_nCode, code) << "pair " << pair;
        ASSERT_EQ(in.dxf.m_strValue.str(), value.Trim().str()) << "pair " << pair;
    }
    EXPECT_EQ(in.dxf.ReadLabel(), 0);
    fclose(lines);
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
