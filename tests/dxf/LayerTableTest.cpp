#include <gtest/gtest.h>

#include "DxfTestSupport.h"

namespace
{
std::string LayerEntry(const char* name, const char* flags, const char* color)
{
    return Pairs({"0", "LAYER", "2", name, "70", flags, "62", color});
}
} // namespace

TEST(DxfLayerTable, KeepsVisibleUnfrozenEntriesWithTheirColourAndStopsAtBlocks)
{
    Imported in(Pairs({"0", "SECTION", "2", "TABLES", "0", "TABLE", "2", "VPORT", "0", "ENDTAB",
                       "0", "TABLE", "2", "LAYER", "70", "7"}) +
                LayerEntry("WALLS", "0", "7") + LayerEntry("OFF", "0", "-7") +
                LayerEntry("FROZEN", "1", "3") + LayerEntry("LOCKED", "4", "0") +
                LayerEntry("BOTH", "5", "2") + LayerEntry("A", "0", "1") +
                LayerEntry("A", "0", "2") + LayerEntry("BIG", "0", "1000") +
                Pairs({"0", "LAYER", "62", "4"}) +
                Pairs({"0", "LAYER", "2", "NOCOLOUR", "0", "ENDTAB", "0", "ENDSEC", "0", "SECTION",
                       "2", "BLOCKS", "0", "ENDSEC"}));
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
    for (int anyColour : {0, 7, 256, -3})
        EXPECT_EQ(in.dxf.GetLayer(anyColour), 1);
    EXPECT_EQ(Imported(Pairs({"0", "SECTION", "2", "HEADER", "0", "ENDSEC"})).dxf.ReadLayer(), 0);
}
