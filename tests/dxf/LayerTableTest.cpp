#include <gtest/gtest.h>

#include "DxfTestSupport.h"

TEST(DxfLayerTable, KeepsVisibleUnfrozenEntriesWithTheirColourAndStopsAtBlocks)
{
    // Entries as name, flags (1 frozen, 4 locked) and colour (negative when off).
    Imported in(Words("0 SECTION 2 TABLES 0 TABLE 2 VPORT 0 ENDTAB 0 TABLE 2 LAYER 70 7 "
                      "0 LAYER 2 WALLS 70 0 62 7 0 LAYER 2 OFF 70 0 62 -7 "
                      "0 LAYER 2 FROZEN 70 1 62 3 0 LAYER 2 LOCKED 70 4 62 0 "
                      "0 LAYER 2 BOTH 70 5 62 2 0 LAYER 2 A 70 0 62 1 0 LAYER 2 A 70 0 62 2 "
                      "0 LAYER 2 BIG 70 0 62 1000 0 LAYER 62 4 0 LAYER 2 NOCOLOUR "
                      "0 ENDTAB 0 ENDSEC 0 SECTION 2 BLOCKS 0 ENDSEC"));
    ASSERT_EQ(in.dxf.ReadLayer(), 1);
    EXPECT_EQ(in.dxf.m_strValue, L"BLOCKS");
    const wchar_t* expected[] = {L"WALLS007", L"LOCKED000", L"BOTH002", L"A001",
                                 L"A002",     L"BIG1000",   L"004"};
    ASSERT_EQ(in.dxf.m_arrLayer.GetSize(), 7);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(in.dxf.m_arrLayer[i], expected[i]);
    // The first entry of a name counts; a nameless entry is found by the empty name.
    for (auto [name, colour] : {std::pair{L"WALLS", 7}, {L"A", 1}, {L"", 4}})
    {
        int found = -1;
        EXPECT_EQ(in.dxf.GetLayer(CString(name), found), 1) << name;
        EXPECT_EQ(found, colour) << name;
    }
    int untouched = -1;
    for (const wchar_t* missing : {L"walls", L"OFF", L"FROZEN", L"BIG", L"NOCOLOUR"})
        EXPECT_EQ(in.dxf.GetLayer(CString(missing), untouched), 0) << missing;
    EXPECT_EQ(untouched, -1);
    EXPECT_EQ(Imported(Words("0 SECTION 2 HEADER 0 ENDSEC")).dxf.ReadLayer(), 0);
}
