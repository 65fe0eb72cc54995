// The shortcuts of the line read, the trim and the real conversion give the plain results.
#include <gtest/gtest.h>

#include <clocale>
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

TEST(CString, TrimKeepsInnerSpaceAndEmptiesBlankValues)
{
    CString both(L"\t 12 5 \n"), left(L"  EOF"), blank(L" \r\n"), none(L"LINE");
    EXPECT_EQ(both.Trim(), L"12 5");
    EXPECT_EQ(left.Trim(), L"EOF");
    EXPECT_TRUE(blank.Trim().IsEmpty());
    EXPECT_EQ(none.Trim(), L"LINE");
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
