#include <gtest/gtest.h>

#include "DieFile.h"

namespace
{
std::string Line(const char* layer, const char* colour)
{
    return Pairs(
        {"0", "LINE", "8", layer, "62", colour, "10", "1", "20", "2", "11", "3", "21", "4"});
}
} // namespace

TEST(DieDxfPairs, LongLineSpillsIntoTheNextReadAndValuesAreTrimmed)
{
    TempFile file(Pairs({"1", std::string(300, 'a').c_str(), "  5  "}));
    CKVDieDxf dxf;
    ASSERT_EQ(dxf.Open(CString(file.WidePath())), 1);
    ASSERT_EQ(dxf.GetLabel(), 1);
    EXPECT_EQ(dxf.m_strValue.GetLength(), 254);
    ASSERT_EQ(dxf.GetLabel(), 1); // the rest of the long line is now a code line
    EXPECT_EQ(dxf.m_nCode, 0);
    EXPECT_EQ(dxf.m_strValue, L"5");
    EXPECT_EQ(dxf.GetLabel(), 0);
    EXPECT_EQ(dxf.Open(L"/nonexistent/die.dxf"), 0);
}

TEST(DieDxfDriver, DispatchesByValueAnyCaseSkipsTheRestAndStopsAtEndsec)
{
    CKVDieDxf dxf;
    std::string skipped = Pairs({"0", "TEXT", "1", "LINE", "62", "1", "0", "InSeRt", "8", "CUT"});
    EXPECT_EQ(ReadDie(dxf, DieFile(skipped + Line("CUT", "1").replace(2, 4, "LiNe") +
                                   Pairs({"0", "endsec"}) + Line("CUT", "7"))),
              1);
    EXPECT_EQ(Shapes(dxf), "0:1,2 3,4");
    // The file ends inside an entity: 0, and what was stored stays.
    EXPECT_EQ(ReadDie(dxf, kDieTables + Pairs({"0", "ENTITIES"}) + Line("X", "7") + "0\nLINE\n8\n"),
              0);
    EXPECT_EQ(dxf.m_arrShape.GetSize(), 2);
    EXPECT_EQ(ReadDie(dxf, Pairs({"0", "SECTION", "2", "ENTITIES", "0", "ENDSEC"})), 0); // no TABLE
}

TEST(DieDxfLayers, KeepColourOneOrSevenWithFlagsOtherThanOneAndClassEntitiesByThem)
{
    CKVDieDxf dxf;
    std::string extra =
        Pairs({"0",  "LAYER", "62", "1", "70",    "5", "0",       "LAYER", "2", "Cut", "62",
               "-7", "70",    "0",  "0", "LAYER", "2", "CREASE2", "62",    "7", "70",  "0"});
    std::string tables = kDieTables + Pairs({"0", "TABLE"}) + extra + Pairs({"0", "ENDTAB"});
    ASSERT_EQ(ReadDie(dxf, DieFile("", tables)), 1);
    EXPECT_EQ(dxf.m_arrLayerColor1.GetSize(), 2);
    EXPECT_EQ(dxf.m_arrLayerColor7.GetSize(), 2);
    const std::pair<const wchar_t*, int> layers[] = {{L"CUT", 0},     {L"", 0},     {L"CREASE", 1},
                                                     {L"CREASE2", 1}, {L"Cut", -1}, {L"FROZEN", -1},
                                                     {L"NOFLAGS", -1}};
    for (const auto& [name, lineType] : layers)
        EXPECT_EQ(dxf.GetLayer(name), lineType) << std::wstring(name);
    dxf.m_arrLayerColor7.Add(L"CUT");
    EXPECT_EQ(dxf.GetLayer(L"CUT"), 0); // the colour-1 list is asked first
    // An explicit colour 1 or 7 decides alone, 0 or 256 defers to the layer, others drop.
    dxf.Clear();
    std::string noColour = Pairs({"0", "LINE", "8", "CUT", "10", "0", "20", "0"});
    ASSERT_EQ(ReadDie(dxf, DieFile(Line("GREEN", "1") + Line("CUT", "7") + Line("CREASE", "256") +
                                   noColour + Line("GREEN", "256") + Line("CUT", "3") +
                                   Line("NONE", "0"))),
              1);
    EXPECT_EQ(Shapes(dxf), "0:1,2 3,4 | 1:1,2 3,4 | 1:1,2 3,4 | 0:0,0");
}
