#include <gtest/gtest.h>

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
