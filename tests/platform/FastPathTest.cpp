// The shortcuts of the line read, the trim and the real conversion give the plain results.
#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "platform/Afx.h"
#include "support/TempFile.h"

TEST(WideLineRead, CrLfAtTheBufferLimitIsOneCharacter)
{
    TempFile file("ab\r\ncd\r", ".txt");
    FILE* f = _wfopen(file.WidePath().c_str(), L"r");
    wchar_t line[4];
    ASSERT_NE(fgetws(line, 4, f), nullptr);
    EXPECT_EQ(std::wstring(line), L"ab\n");
    ASSERT_NE(fgetws(line, 3, f), nullptr);
    EXPECT_EQ(std::wstring(line), L"cd");
    EXPECT_EQ(fgetwc(f), static_cast<unsigned>(L'\r'));
    EXPECT_EQ(fgetws(line, 4, f), nullptr);
    fclose(f);
}

namespace
{
// Pieces that stress every exit of the ASCII run: CR LF, lone CR, UTF-8 of two, three and four
// bytes, a lone high byte, a broken sequence and a NUL; repeated past the stream's 64 KiB buffer
// with shifting lengths, so that runs and sequences straddle every refill.
std::string MixedText()
{
    const char* pieces[] = {"  10\r\n", "1234.567890\n", "\xC3\xA9t\xE2\x82\xAC\n", "a\rb\r",
                            "\xF0\x9F\x98\x80", "\xE9x", "\xE2\x82y", "LINE\n"};
    std::string text;
    for (unsigned i = 0; text.size() < 200000; ++i)
    {
        text += pieces[i % 8];
        text.append(i % 13, 'k');
        if (i % 5 == 0)
            text += '\0';
    }
    return text;
}

// The characters of one fgetws call, embedded NULs included: the buffer is prefilled with a
// mark, so the terminator is the NUL just before the first mark left.
std::wstring TakenByLineRead(FILE* f, int size, bool& more)
{
    const wchar_t kMark = 0xFFFE;
    std::wstring buffer(static_cast<size_t>(size), kMark);
    more = fgetws(&buffer[0], size, f) != nullptr;
    if (!more)
        return L"";
    size_t mark = buffer.find(kMark);
    return buffer.substr(0, (mark == std::wstring::npos ? buffer.size() : mark) - 1);
}
} // namespace

TEST(WideLineRead, GivesTheCharactersOfTheCharacterReadAtEveryBufferSize)
{
    TempFile file(MixedText(), ".txt");
    FILE* f = _wfopen(file.WidePath().c_str(), L"r");
    std::wstring expected;
    for (unsigned c; (c = fgetwc(f)) != 0xFFFFu;)
        expected += static_cast<wchar_t>(c);
    fclose(f);
    for (int size : {2, 3, 7, 255, 2048})
    {
        f = _wfopen(file.WidePath().c_str(), L"r");
        std::wstring taken;
        bool more = true;
        for (unsigned i = 0; more; ++i)
        {
            // Every third step a character read in between, on the same stream.
            unsigned c = i % 3 == 0 ? fgetwc(f) : 0xFFFFu;
            if (c != 0xFFFFu)
                taken += static_cast<wchar_t>(c);
            taken += TakenByLineRead(f, size, more);
        }
        fclose(f);
        // The first difference, rather than two strings of 200 000 characters.
        const auto diverge = std::mismatch(taken.begin(), taken.end(), expected.begin(), expected.end());
        EXPECT_EQ(diverge.first - taken.begin(), static_cast<long>(expected.size()))
            << "buffer of " << size << ", " << taken.size() << " characters taken";
    }
}

TEST(CString, TrimKeepsInnerSpaceAndEmptiesBlankValues)
{
    CString both(L"\t 12 5 \n"), left(L"  EOF"), blank(L" \r\n"), none(L"LINE");
    EXPECT_EQ(both.Trim(), L"12 5");
    EXPECT_EQ(left.Trim(), L"EOF");
    EXPECT_TRUE(blank.Trim().IsEmpty());
    EXPECT_EQ(none.Trim(), L"LINE");
}

namespace
{
// A seeded decimal text: sign, leading zeros, up to 24 whole and fraction digits, exponent.
std::string GeneratedNumber(std::mt19937& rng)
{
    auto digits = [&](std::string& text, unsigned count)
    {
        for (unsigned d = 0; d < count; ++d)
            text += static_cast<char>('0' + rng() % 10);
    };
    std::string text = rng() % 4 == 0 ? "-" : "";
    text.append(rng() % 4, '0');
    digits(text, rng() % 25);
    if (rng() % 3)
    {
        text += '.';
        text.append(rng() % 6, '0');
        digits(text, rng() % 25);
    }
    if (rng() % 4 == 0)
        text += "e" + std::to_string(static_cast<int>(rng() % 700) - 350);
    return text;
}

std::uint64_t Bits(double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}
} // namespace

TEST(Conversions, RealGivesTheBitsOfStrtodForGeneratedNumbers)
{
    std::setlocale(LC_NUMERIC, "C");
    std::mt19937 rng(20261206);
    for (int i = 0; i < 50000; ++i)
    {
        const std::string text = GeneratedNumber(rng);
        const std::wstring wide(text.begin(), text.end());
        ASSERT_EQ(Bits(_wtof(wide.c_str())), Bits(std::strtod(text.c_str(), nullptr))) << text;
    }
}

TEST(Conversions, RealFollowsTheDecimalPointOfTheCurrentLocale)
{
    const char* commaLocales[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"};
    const char* found = nullptr;
    for (const char* name : commaLocales)
        if (std::setlocale(LC_NUMERIC, name))
        {
            found = name;
            break;
        }
    if (!found)
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    EXPECT_EQ(_wtof(L"1,5"), 1.5);
    EXPECT_EQ(_wtof(L"1.5"), 1.0);
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(_wtof(L"1.5"), 1.5);
    EXPECT_EQ(_wtof(L"1,5"), 1.0);
}
