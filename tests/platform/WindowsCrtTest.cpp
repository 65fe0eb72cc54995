// What the C runtime does differently on Windows, where the importers call it directly.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Afx.h"
#include "support/TempFile.h"

namespace
{
std::vector<std::wstring> Lines(const std::string& bytes, int size = 64)
{
    TempFile file(bytes, ".txt");
    FILE* f = _wfopen(file.WidePath().c_str(), L"r");
    std::vector<std::wstring> lines;
    wchar_t line[256];
    while (RvzReadWideLine(line, size, f) >= 0)
        lines.push_back(line);
    fclose(f);
    return lines;
}

// Sets the locale for the test's length and back to "C", which the other tests read in.
struct Locale
{
    explicit Locale(const char* name) : set(std::setlocale(LC_ALL, name) != nullptr) {}
    ~Locale() { std::setlocale(LC_ALL, "C"); }
    bool set;
};
} // namespace

TEST(WindowsCrt, TextModeReadsCrLfAsLfAndEndsAtCtrlZ)
{
    EXPECT_EQ(Lines("a\r\nb\rc\nd\x1A" "e\n"), (std::vector<std::wstring>{L"a\n", L"b\rc\n", L"d"}));
    TempFile file("x\x1Ay", ".txt");
    FILE* f = _wfopen(file.WidePath().c_str(), L"r");
    EXPECT_EQ(fgetwc(f), L'x');
    EXPECT_EQ(fgetwc(f), 0xFFFF);
    fclose(f);
}

TEST(WindowsCrt, BytesAreDecodedByTheCodePageOfTheLocale)
{
    const std::string bytes = "\x80\xE9\xC3\xA9\n"; // the euro sign and e acute in 1252
    EXPECT_EQ(Lines(bytes), (std::vector<std::wstring>{L"\x80\xE9\xC3\xA9\n"})); // "C": by value
    Locale ansi("English_United States.1252");
    ASSERT_TRUE(ansi.set);
    EXPECT_EQ(Lines(bytes), (std::vector<std::wstring>{L"\u20AC\u00E9\u00C3\u00A9\n"}));
    // UTF-8 of a character outside the BMP is four characters of 1252, and counts four towards
    // a line limit: 70 of them spill past the die reader's 254.
    std::string wide;
    for (int i = 0; i < 70; ++i)
        wide += "\xF0\x9F\x98\x80";
    EXPECT_EQ(Lines(wide, 255).size(), 2u);
}

TEST(WindowsCrt, TheDecimalCommaOfAGermanLocaleIsRead)
{
    EXPECT_EQ(_wtof(L"2,25"), 2.0);
    Locale german("German_Germany.1252");
    ASSERT_TRUE(german.set);
    EXPECT_EQ(_wtof(L"2,25"), 2.25);
    EXPECT_EQ(_wtof(L"2.25"), 2.0);
}

TEST(WindowsCrt, WideStringsAreUtf16AndWrittenAsUtf8)
{
    static_assert(sizeof(wchar_t) == 2, "UTF-16 code units");
    const wchar_t face[] = L"\U0001F600";
    EXPECT_EQ(std::wstring(face).size(), 2u); // a surrogate pair
    EXPECT_EQ(RvzUtf8FromWide(face), "\xF0\x9F\x98\x80");
    EXPECT_EQ(RvzUtf8FromWide(L"a\xD800z"), "a\xEF\xBF\xBDz"); // a lone surrogate
    // The runtime's white space includes the no-break space, which a trim then removes.
    EXPECT_TRUE(_istspace(L'\xA0'));
}
