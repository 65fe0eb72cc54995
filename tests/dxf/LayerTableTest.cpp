#include <gtest/gtest.h>

#include "DxfTestSupport.h"

namespace
{
std::string LayerEntry(const char* name, const char* flags, const char* color)
{
    return Pairs({"0", "LAYER", "2", name, "70", flags, "62", color});
}
} // namespace

TEST(DxfLayerTable, KeepsVisibleUnfrozenEntriesWithTheirColour)
{
    Imported in(Pairs({"0", "SECTION", "2", "TABLES", "0", "TABLE", "2", "VPORT", "0", "ENDTAB",
                       "0", "TABLE", "2", "LAYER", "70", "7"}) +
                LayerEntry("WALLS", "0", "7") + LayerEntry("OFF", "0", "-7") +
                LayerEntry("FROZEN", "1", "3") + LayerEntry("LOCKED", "4", "0") +
                LayerEntry("BOTH", "5", "2") + LayerEntry("A", "0", "1") +
                LayerEntry("A", "0", "2") + LayerEntry("BIG", "0", "1000") +
                Pairs({"0", "LAYER", "2", "NOCOLOUR", "0", "ENDTAB", "0", "ENDSEC", "0", "SECTION",
                       "2", "BLOCKS", "0", "ENDSEC"}));
    ASSERT_EQ(in.dxf.ReadLayer(), 1);
    EXPECT_EQ(in.dxf.m_strValue, L"BLOCKS");
    const wchar_t* expected[] = {L"WALLS007", L"LOCKED000", L"BOTH002",
                                 L"A001",     L"A002",      L"BIG1000"};
    ASSERT_EQ(in.dxf.m_arrLayer.GetSize(), 6);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(in.dxf.m_arrLayer[i], expected[i]);

    int color = -1;
    EXPECT_EQ(in.dxf.GetLayer(CString(L"WALLS"), color), 1);
    EXPECT_EQ(color, 7);
    EXPECT_EQ(in.dxf.GetLayer(CString(L"A"), color), 1);
    EXPECT_EQ(color, 1);
    color = -1;
    for (const wchar_t* missing : {L"walls", L"OFF", L"FROZEN", L"BIG", L"NOCOLOUR"})
        EXPECT_EQ(in.dxf.GetLayer(CString(missing), color), 0) << missing;
    EXPECT_EQ(color, -1);
    for (int anyColour : {0, 7, 256, -3})
        EXPECT_EQ(in.dxf.GetLayer(anyColour), 1);
}

TEST(DxfLayerTable, NamelessEntryIsFoundByTheEmptyName)
{
    Imported in(Pairs({"0", "TABLE", "0", "LAYER", "62", "4", "0", "ENTITIES"}));
    ASSERT_EQ(in.dxf.ReadLayer(), 1);
    int color = 0;
    EXPECT_EQ(in.dxf.GetLayer(CString(L""), color), 1);
    EXPECT_EQ(color, 4);
}

TEST(DxfLayerTable, ReadLayerWithoutTables)
{
    Imported stopsAtEntities(InEntities(""));
    EXPECT_EQ(stopsAtEntities.dxf.ReadLayer(), 1);
    EXPECT_EQ(stopsAtEntities.dxf.m_arrLayer.GetSize(), 0);
    Imported endsFirst(Pairs({"0", "SECTION", "2", "HEADER", "0", "ENDSEC"}));
    EXPECT_EQ(endsFirst.dxf.ReadLayer(), 0);
}
