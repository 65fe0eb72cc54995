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

TEST(DieDxfPairs, LongLineShiftsPairingAndBlankLinesReadAsZeroAndEmpty)
{
    TempFile file(Pairs({"1", std::string(300, 'a').c_str(), "5", "X", "   ", "7"}));
    CKVDieDxf dxf;
    EXPECT_EQ(dxf.GetLabel(), 0); // no file yet
    ASSERT_EQ(dxf.Open(CString(file.WidePath())), 1);
    ASSERT_EQ(dxf.GetLabel(), 1);
    EXPECT_EQ(dxf.m_nCode, 1);
    EXPECT_EQ(dxf.m_strValue.GetLength(), 254);
    ASSERT_EQ(dxf.GetLabel(), 1); // the rest of the long line is now a code line
    EXPECT_EQ(dxf.m_nCode, 0);
    EXPECT_EQ(dxf.m_strValue, L"5");
    dxf.m_nCode = 9;
    ASSERT_EQ(dxf.GetLabel(), 1);
    EXPECT_EQ(dxf.m_nCode, 0);
    EXPECT_EQ(dxf.m_strValue, L"");
    EXPECT_EQ(dxf.GetLabel(), 0); // no value line: the code is taken, the value kept
    EXPECT_EQ(dxf.m_nCode, 7);
    EXPECT_EQ(dxf.m_strValue, L"");
    EXPECT_EQ(dxf.Open(L"/nonexistent/die.dxf"), 0);
    EXPECT_EQ(dxf.m_pFile, nullptr);
}

TEST(DieDxfDriver, DispatchesByValueOnlyAndSkipsTheRest)
{
    CKVDieDxf dxf;
    EXPECT_EQ(ReadDie(dxf, DieFile("")), 1);
    EXPECT_EQ(dxf.m_arrShape.GetSize(), 0);
    std::string skipped = Pairs({"0", "TEXT", "1", "LINE", "62", "1", "0", "InSeRt", "8", "CUT"});
    std::string text = kDieTables + Pairs({"0", "SECTION", "2", "ENTITIES"}) + skipped +
                       Line("CUT", "1").replace(2, 4, "LiNe") + Pairs({"0", "endsec"}) +
                       Line("CUT", "1");
    EXPECT_EQ(ReadDie(dxf, text), 1);
    EXPECT_EQ(dxf.m_arrShape.GetSize(), 1);
    // The file ends inside an entity: 0, and what was stored stays.
    EXPECT_EQ(ReadDie(dxf, kDieTables + Pairs({"0", "ENTITIES"}) + Line("X", "7") + "0\nLINE\n8\n"),
              0);
    EXPECT_EQ(dxf.m_arrShape.GetSize(), 2);
    EXPECT_EQ(ReadDie(dxf, Pairs({"0", "SECTION", "2", "ENTITIES", "0", "ENDSEC"})), 0); // no TABLE
}

TEST(DieDxfDriver, ReadToEntitiesStopsAfterTheLayerTable)
{
    TempFile file(DieFile(Line("CUT", "256")));
    CKVDieDxf dxf;
    ASSERT_EQ(dxf.Open(CString(file.WidePath())), 1);
    EXPECT_EQ(dxf.ReadToEntities(), 1);
    EXPECT_EQ(dxf.m_strValue, L"ENTITIES");
    EXPECT_EQ(dxf.ReadData(), 0); // looks for a second table
    EXPECT_EQ(dxf.m_arrShape.GetSize(), 0);
}

TEST(DieDxfLayers, RecordsOnlyColourOneOrSevenWithFlagsOtherThanOne)
{
    CKVDieDxf dxf;
    std::string extra =
        Pairs({"0",  "LAYER", "62", "1", "70",    "5", "0",       "LAYER", "2", "Cut", "62",
               "-7", "70",    "0",  "0", "LAYER", "2", "CREASE2", "62",    "7", "70",  "0"});
    std::string tables = kDieTables + Pairs({"0", "TABLE"}) + extra + Pairs({"0", "ENDTAB"});
    ASSERT_EQ(ReadDie(dxf, DieFile("", tables)), 1);
    ASSERT_EQ(dxf.m_arrLayerColor1.GetSize(), 2);
    EXPECT_EQ(dxf.m_arrLayerColor1[0], L"CUT");
    EXPECT_EQ(dxf.m_arrLayerColor1[1], L""); // a record without a name
    ASSERT_EQ(dxf.m_arrLayerColor7.GetSize(), 2);
    EXPECT_EQ(dxf.m_arrLayerColor7[1], L"CREASE2");
    EXPECT_EQ(dxf.GetLayer(L"CUT"), 0);
    EXPECT_EQ(dxf.GetLayer(L"CREASE"), 1);
    EXPECT_EQ(dxf.GetLayer(L"Cut"), -1);
    EXPECT_EQ(dxf.GetLayer(L"FROZEN"), -1);
    EXPECT_EQ(dxf.GetLayer(L"NOFLAGS"), -1);
    dxf.m_arrLayerColor7.Add(L"CUT");
    EXPECT_EQ(dxf.GetLayer(L"CUT"), 0);
}

TEST(DieDxfLayers, ExplicitColourDecidesAloneAndByLayerDefers)
{
    CKVDieDxf dxf;
    std::string noColour = Pairs({"0", "LINE", "8", "CUT", "10", "0", "20", "0"});
    ASSERT_EQ(ReadDie(dxf, DieFile(Line("GREEN", "1") + Line("CUT", "7") + Line("CREASE", "256") +
                                   noColour + Line("GREEN", "256") + Line("CUT", "3") +
                                   Line("NONE", "0"))),
              1);
    ASSERT_EQ(dxf.m_arrShape.GetSize(), 4);
    int expected[] = {0, 1, 1, 0};
    for (int i = 0; i < 4; ++i)
    {
        EXPECT_EQ(PolylineAt(dxf, i)->m_nLineType, expected[i]);
        EXPECT_EQ(PolylineAt(dxf, i)->m_nLayer, 0);
    }
}

TEST(DieDxfOwnership, ClearDeletesWhatIsLeftAndHostKeepsWhatItRemoved)
{
    CPolylineShape* kept = nullptr;
    {
        CKVDieDxf dxf;
        dxf.Clear(); // nothing to do
        ASSERT_EQ(ReadDie(dxf, DieFile(Line("CUT", "1") + Line("CUT", "7") + Line("CUT", "1"))), 1);
        kept = PolylineAt(dxf, 0);
        dxf.m_arrShape.RemoveAt(0);
        dxf.Clear();
        EXPECT_EQ(dxf.m_arrShape.GetSize(), 0);
        ASSERT_EQ(ReadDie(dxf, DieFile(Line("CUT", "1"))), 1); // left to the destructor
    }
    EXPECT_EQ(kept->m_nCount, 2);
    delete kept;
}
