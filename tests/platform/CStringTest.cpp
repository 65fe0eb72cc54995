#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "platform/Afx.h"

TEST(CString, TrimDropsOuterWhiteSpaceAndCompareMindsCaseUnlessAskedNot)
{
    const std::pair<const wchar_t*, std::wstring> trims[] = {
        {L" \t LINE \r\n", L"LINE"}, {L"\t 12 5 \n", L"12 5"}, {L"  EOF", L"EOF"},
        {L"\v\fX", L"X"},           {L" \r\n", L""},         {L"LINE\r\n", L"LINE"}};
    for (const auto& [text, trimmed] : trims)
        EXPECT_EQ(CString(text).Trim().str(), trimmed) << text;
    const CString line(L"LINE");
    EXPECT_EQ(line.CompareNoCase(L"line"), 0);
    EXPECT_LT(line.CompareNoCase(L"lines"), 0);
    EXPECT_LT(line.Compare(L"line"), 0);
}

TEST(CString, AssignsFromItsOwnCharactersAndByCount)
{
    CString s(L"ENTITIES and more");
    s.SetString(s.GetString(), 8);
    EXPECT_EQ(s, L"ENTITIES");
    s.SetString(L"LINE\n", -1);
    EXPECT_TRUE(s.IsEmpty());
    // Values of every length in turn, as a reader sets them: growing past the storage it has
    // (from its own few characters up) and shrinking, always to exactly the count given.
    const std::wstring text = L"AcDbEntity 8.000000 LWPOLYLINE 0.414213562 and some more text";
    CString value(L"x");
    for (int length : {4, 1, 7, 2, 23, 3, 40, 0, 61, 5})
    {
        value.SetString(text.c_str(), length);
        EXPECT_EQ(value.str(), text.substr(0, static_cast<size_t>(length)));
    }
}

TEST(CString, PartsStayInRangeAndFormatGrows)
{
    CString s(L"HOLE#12");
    EXPECT_EQ(s.Left(4) + s.Mid(s.Find(L'#') + 1) + s.Right(2), L"HOLE1212");
    EXPECT_EQ(s.Left(-1) + s.Mid(30) + s.Right(20), L"HOLE#12");
    s.Format(L"%03d", 7);
    EXPECT_EQ(s, L"007");
    s.Format(L"%0200d", 7); // past the first buffer
    EXPECT_EQ(s.GetLength(), 200);
}
