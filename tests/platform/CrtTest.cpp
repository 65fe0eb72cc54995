#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <string>
#include <vector>

#include "platform/Afx.h"
#include "support/TempFile.h"

namespace
{
std::vector<std::wstring> ReadLines(const std::string& bytes, int bufferSize)
{
    TempFile file(bytes, ".txt");
    FILE* f = _wfopen(file.WidePath().c_str(), L"r");
    std::vector<std::wstring> lines;
    std::vector<wchar_t> buffer(static_cast<size_t>(bufferSize));
    while (fgetws(buffer.data(), bufferSize, f))
        lines.emplace_back(buffer.data());
    fclose(f);
    return lines;
}
} // namespace

TEST(WideLineRead, CrLfBecomesLfAndLoneCrStays)
{
    auto lines = ReadLines("a\r\nb\rc\n\r", 64);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], L"a\n");
    EXPECT_EQ(lines[1], L"b\rc\n");
    EXPECT_EQ(lines[2], L"\r");
}

TEST(WideLineRead, LongLinesArriveInPiecesOfBufferMinusOne)
{
    auto lines = ReadLines("abcdefg\nxy", 4);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], L"abc");
    EXPECT_EQ(lines[1], L"def");
    EXPECT_EQ(lines[2], L"g\n");
    EXPECT_EQ(lines[3], L"xy");
}

TEST(WideLineRead, Utf8DecodesAndOtherBytesAreLatin1)
{
    // U+00E9, U+20AC, a lone 0xE9, a truncated sequence, an overlong form and a surrogate.
    auto lines = ReadLines("\xC3\xA9\xE2\x82\xAC\xE9x\xE2\x82y\xC0\xAF\xED\xA0\x80", 64);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], std::wstring(L"\u00E9\u20AC\u00E9x\u00E2\u0082y\u00C0\u00AF\u00ED\u00A0\u0080"));
}

TEST(WideLineRead, NulEndsTheTakenStringAndEndOfFileFails)
{
    auto lines = ReadLines(std::string("ab\0cd\n", 6), 64);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], L"ab");
    EXPECT_TRUE(ReadLines("", 64).empty());
}

TEST(WideCharRead, EndOfFileIsFFFF)
{
    TempFile file("A\r\n\xC3\xA9", ".txt");
    FILE* f = _wfopen(file.WidePath().c_str(), L"r");
    EXPECT_EQ(fgetwc(f), static_cast<unsigned>(L'A'));
    EXPECT_EQ(fgetwc(f), static_cast<unsigned>(L'\n'));
    EXPECT_EQ(fgetwc(f), 0xE9u);
    EXPECT_EQ(fgetwc(f), 0xFFFFu);
    fclose(f);
}

TEST(WideOpen, MissingFileGivesNull)
{
    EXPECT_EQ(_wfopen(L"/nonexistent/dir/file.dxf", L"r"), nullptr);
}

TEST(Conversions, IntegerPrefixAndSaturation)
{
    EXPECT_EQ(_wtoi(L"  10"), 10);
    EXPECT_EQ(_wtoi(L"\t-42abc"), -42);
    EXPECT_EQ(_wtoi(L"+7"), 7);
    EXPECT_EQ(_wtoi(L""), 0);
    EXPECT_EQ(_wtoi(L"x1"), 0);
    EXPECT_EQ(_wtoi(L"99999999999"), INT_MAX);
    EXPECT_EQ(_wtoi(L"-2147483648"), INT_MIN);
    EXPECT_EQ(_wtoi(L"-99999999999"), INT_MIN);
}

TEST(Conversions, RealPrefixRoundsCorrectly)
{
    EXPECT_EQ(_wtof(L"  1.5"), 1.5);
    EXPECT_EQ(_wtof(L"-0.1"), -0.1);
    EXPECT_EQ(_wtof(L".5"), 0.5);
    EXPECT_EQ(_wtof(L"5."), 5.0);
    EXPECT_EQ(_wtof(L"1e3"), 1000.0);
    EXPECT_EQ(_wtof(L"1e"), 1.0);
    EXPECT_EQ(_wtof(L"2E-2x"), 0.02);
    EXPECT_EQ(_wtof(L"0x10"), 0.0);
    EXPECT_EQ(_wtof(L"inf"), 0.0);
    EXPECT_EQ(_wtof(L"nan"), 0.0);
    EXPECT_EQ(_wtof(L"."), 0.0);
    EXPECT_EQ(_wtof(L"123456789012345678901234567890"), 123456789012345678901234567890.0);
    EXPECT_EQ(_wtof(L"0.30000000000000004441"), 0.30000000000000004441);
    EXPECT_EQ(_wtof(L"2.2250738585072014e-308"), DBL_MIN);
    EXPECT_EQ(_wtof(L"1e400"), HUGE_VAL);
    EXPECT_EQ(_wtof(L"-1e400"), -HUGE_VAL);
    EXPECT_TRUE(std::signbit(_wtof(L"-0e999")));
}
