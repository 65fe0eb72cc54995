#include <gtest/gtest.h>

#include "platform/Afx.h"

TEST(CString, TrimAndCompare)
{
    CString s(L" \t LINE \r\n");
    s.Trim();
    EXPECT_EQ(s, L"LINE");
    EXPECT_EQ(s.CompareNoCase(L"line"), 0);
    EXPECT_NE(s.Compare(L"line"), 0);
    EXPECT_LT(CString(L"A").Compare(L"B"), 0);
}

TEST(CString, AssignsFromItsOwnCharactersAndByCount)
{
    CString s(L"ENTITIES and more");
    s = s.GetString();
    EXPECT_EQ(s, L"ENTITIES and more");
    s.SetString(s.GetString(), 8);
    EXPECT_EQ(s, L"ENTITIES");
    s = s.GetString() + 4;
    EXPECT_EQ(s, L"TIES");
    const wchar_t line[] = L"LINE\n";
    s.SetString(line, 4);
    EXPECT_EQ(s, L"LINE");
    s.SetString(line, -1);
    EXPECT_TRUE(s.IsEmpty());
}

TEST(CString, PartsAndFind)
{
    CString s(L"HOLE#12");
    EXPECT_EQ(s.Find(L'#'), 4);
    EXPECT_EQ(s.Left(4), L"HOLE");
    EXPECT_EQ(s.Mid(5), L"12");
    EXPECT_EQ(s.Right(2), L"12");
    EXPECT_EQ(s.Right(20), L"HOLE#12");
    EXPECT_EQ(s.Left(-1), L"");
    EXPECT_EQ(s.Mid(30), L"");
    EXPECT_EQ(s.Find(L"#1"), 4);
    EXPECT_EQ(s.Find(L'x'), -1);
}

TEST(CString, FormatPadsNumbers)
{
    CString s;
    s.Format(L"%03d", 7);
    EXPECT_EQ(s, L"007");
    s.Format(L"%03d", 1000);
    EXPECT_EQ(s, L"1000");
}

TEST(CObArray, RemoveAtMovesLaterEntriesDown)
{
    CObject a, b, c;
    CObArray arr;
    arr.Add(&a);
    arr.Add(&b);
    arr.Add(&c);
    arr.RemoveAt(1);
    ASSERT_EQ(arr.GetSize(), 2);
    EXPECT_EQ(arr[0], &a);
    EXPECT_EQ(arr[1], &c);
}

TEST(CRect, IntersectAndEqual)
{
    CRect a(0, 0, 10, 10), b(5, 5, 20, 20), t;
    EXPECT_TRUE(IntersectRect(&t, &a, &b));
    CRect expected(5, 5, 10, 10);
    EXPECT_TRUE(EqualRect(&t, &expected));
    CRect far(20, 20, 30, 30);
    EXPECT_FALSE(IntersectRect(&t, &a, &far));
    EXPECT_TRUE(t.IsRectNull());
}
