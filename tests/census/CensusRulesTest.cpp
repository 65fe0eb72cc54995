// One drawing per rule: the census names the rule that decided each entity's fate, where
// reading stopped and what the host should be warned of.
#include <clocale>
#include <cstdlib>

#include <gtest/gtest.h>

#include "CensusSupport.h"
#include "dxf/DxfTestSupport.h"

namespace
{
const std::string kLayerTable =
    Words("0 SECTION 2 TABLES 0 TABLE 2 LAYER 0 LAYER 2 CUT 70 0 62 1 0 ENDTAB 0 ENDSEC");

struct RuleCase
{
    const char* rule;
    const char* importer;
    std::string content;
    std::string rows;
    std::string stop = ""; // the code of the stop, or "" when the read went to its end
    std::string warnings = "";
    std::string blockRows = "";
    const char* extension = ".dxf";
};

std::vector<RuleCase> Cases()
{
    const std::string line = "10 0 20 0 11 1 21 1 ";
    return {
        {"a LINE needs a layer name or a colour", "dxf",
         InEntities(Words("0 LINE " + line + "0 LINE 8 A " + line)),
         "LINE 2: kept 1, no-layer-or-colour 1\n"},
        {"a LINE needs two points", "dxf", InEntities(Words("0 LINE 8 A 10 0 20 0")),
         "LINE 1: kept 0, fewer-than-two-points 1\n"},
        {"an IMAGE needs a size", "dxf",
         InEntities(Words("0 IMAGE 8 A 10 0 20 0 11 1 21 0 12 0 22 1 13 0 23 5")),
         "IMAGE 1: kept 0, image-zero-size 1\n"},
        {"a CIRCLE's reader stops at its radius", "dxf",
         InEntities(Words("0 CIRCLE 10 0 20 0 40 5 8 A 0 CIRCLE 10 0 20 0 40 5")),
         "CIRCLE 2: kept 0, circle-layer-after-radius 1, no-layer-or-colour 1\n"},
        {"an INSERT needs a block with line work defined before it", "dxf",
         Words("0 SECTION 2 BLOCKS 0 BLOCK 2 EMPTY 0 TEXT 1 hi 0 ENDBLK 0 BLOCK 2 DOOR 0 LINE 8 A " +
               line + "0 INSERT 2 EMPTY 0 ENDBLK 0 ENDSEC") +
             InEntities(Words("0 INSERT 8 A 2 EMPTY 0 INSERT 8 A 2 NONE 0 INSERT 8 A 2 DOOR 41 2 "
                              "0 INSERT 2 DOOR")),
         "INSERT 4: kept 1, insert-empty-block 1, insert-unknown-block 1, no-layer-or-colour 1\n",
         "", "insert-not-applied nested-blocks",
         "INSERT 1: kept 0, block-line-work-only 1\nLINE 1: kept 1\n"
         "TEXT 1: kept 0, block-line-work-only 1\n"},
        {"the file ends inside a block definition", "dxf",
         Words("0 SECTION 2 BLOCKS 0 BLOCK 2 B 70 0"), "", "stop-eof-in-block"},
        {"imperial measurement without $INSUNITS", "dxf",
         Words("0 SECTION 2 HEADER 9 $MEASUREMENT 70 0 0 ENDSEC") +
             InEntities(Words("0 LINE 8 A " + line)),
         "LINE 1: kept 1\n", "", "units-likely-inches"},
        {"imperial measurement with $INSUNITS 0, unitless", "dxf",
         Words("0 SECTION 2 HEADER 9 $INSUNITS 70 0 9 $MEASUREMENT 70 0 0 ENDSEC") +
             InEntities(Words("0 LINE 8 A " + line)),
         "LINE 1: kept 1\n", "", "units-likely-inches"},
        {"metric measurement with $INSUNITS 0 needs no warning", "dxf",
         Words("0 SECTION 2 HEADER 9 $INSUNITS 70 0 9 $MEASUREMENT 70 1 0 ENDSEC") +
             InEntities(Words("0 LINE 8 A " + line)),
         "LINE 1: kept 1\n"},
        {"unread types are passed over, VERTEX and SEQEND belong to their POLYLINE", "dxf",
         InEntities(Words("0 MTEXT 8 A 0 POLYLINE 8 A 66 1 10 0 20 0 0 VERTEX 10 0 20 0 "
                          "0 VERTEX 10 1 20 1 0 SEQEND")),
         "MTEXT 1: kept 0, type-not-read 1\nPOLYLINE 1: kept 1\nSEQEND 1: kept 0, "
         "part-of-polyline 1\nVERTEX 2: kept 0, part-of-polyline 2\n"},
        {"the file ends inside an entity", "dxf",
         Words("0 SECTION 2 ENTITIES 0 LINE 8 A " + line + "0 LINE 8 A 10"),
         "LINE 2: kept 1, file-ends-inside 1\n", "stop-eof-in-entity"},
        {"a value EOF ends the walk before the entities", "dxf",
         Words("0 SECTION 2 HEADER 9 $CLAYER 8 EOF 0 ENDSEC") +
             InEntities(Words("0 LINE 8 A " + line)),
         "LINE 1: kept 0, not-reached-eof-value 1\n"},
        {"a file without an EOF marker", "dxf",
         Words("0 SECTION 2 ENTITIES 0 LINE 8 A " + line + "0 ENDSEC"), "LINE 1: kept 1\n",
         "stop-no-eof"},
        {"inches, paper space and extrusion (0,0,-1) are read as they stand", "dxf",
         Words("0 SECTION 2 HEADER 9 $INSUNITS 70 1 0 ENDSEC") +
             InEntities(Words("0 ARC 8 A 10 0 20 0 40 1 50 0 51 90 230 -1 0 LINE 8 A 67 1 " +
                              line)),
         "ARC 1: kept 1\nLINE 1: kept 1\n", "", "units-not-mm paper-space extrusion-mirrored"},
        {"a line over the reader's limit shifts the pairs", "dxf",
         InEntities(Words("0 LINE 8 " + std::string(3000, 'A') + " " + line + "0 LINE 8 B " + line)),
         "LINE 2: kept 0, fewer-than-two-points 1, shifted-pairs 1\n"
         "(shifted pairs) 8: kept 0, type-not-read 8\n",
         "stop-long-line",
         "long-line"},
        {"the die reader keeps colour 1 and 7 and die layers only", "die",
         kLayerTable + InEntities(Words("0 LINE 62 3 " + line + "0 LINE 8 OTHER " + line +
                                        "0 LINE 8 CUT " + line + "0 TEXT 8 CUT")),
         "LINE 3: kept 1, die-colour 1, die-layer 1\nTEXT 1: kept 0, type-not-read 1\n"},
        {"the die reader needs a TABLE first", "die", InEntities(Words("0 LINE 62 1 " + line)),
         "LINE 1: kept 0, not-reached 1\n", "stop-die-no-table", "die-no-tables"},
        {"a die POLYLINE reads on to its SEQEND", "die",
         kLayerTable + InEntities(Words("0 POLYLINE 62 1 66 1 10 0 20 0 0 VERTEX 10 0 20 0 "
                                        "0 VERTEX 10 1 20 1 0 LINE 62 1 " + line + "0 SEQEND")),
         "LINE 1: kept 0, swallowed-by-polyline 1\nPOLYLINE 1: kept 1\n"
         "SEQEND 1: kept 0, part-of-polyline 1\nVERTEX 2: kept 0, part-of-polyline 2\n"},
        {"the die reader needs ENTITIES after its tables", "die", kLayerTable + Words("0 EOF"), "",
         "stop-die-no-entities"},
        {"the die reader needs the ENDSEC of its ENTITIES", "die",
         kLayerTable + Words("0 SECTION 2 ENTITIES 0 LINE 62 1 " + line + "0 POINT 8 A"),
         "LINE 1: kept 1\nPOINT 1: kept 0, type-not-read 1\n", "stop-die-no-endsec"},
        {"the die reader ends at its first ENDSEC", "die",
         kLayerTable + Words("0 SECTION 2 ENTITIES 0 LINE 62 1 " + line + "0 ENDSEC ") +
             InEntities(Words("0 LINE 62 1 " + line)),
         "LINE 2: kept 1, not-reached-after-endsec 1\n"},
        {"plotter pen moves and a polyline the file ends in", "plt",
         "SP1;PA10,10;PD20,20;CI1;PA30,30;PU;PR5,5;PD",
         "CI 1: kept 1\nPA 2: kept 1, plt-pen-move 1\nPD 2: kept 1, plt-cut-off 1\n"
         "PR 1: kept 0, plt-open-at-end 1\nPU 1: kept 0, plt-open-at-end 1\n"
         "SP 1: kept 0, plt-setting 1\n",
         "stop-plt", "", "", ".plt"},
        {"plotter commands", "plt",
         "IN;SP1;PU0,0;PD10,0,10,10;PU;AA0,0;CI5;AA10,0,90;PE;SC0,1,0,1;PA5,5",
         "AA 2: kept 1, plt-too-few-values 1\nCI 1: kept 1\nIN 1: kept 0, plt-not-read 1\n"
         "PA 1: kept 0, plt-cut-off 1\nPD 1: kept 1\nPE 1: kept 0, plt-not-read 1\n"
         "PU 2: kept 1, plt-pen-move 1\nSC 1: kept 0, plt-not-read 1\nSP 1: kept 0, plt-setting 1\n",
         "stop-plt", "plt-scaling-ignored plt-pe-ignored plt-arc-centre", "", ".plt"},
        {"a binary DXF file", "dxf", std::string("AutoCAD Binary DXF\r\n\x1a\0\0\x01", 24), "",
         "stop-binary", "binary-dxf"},
        {"a PNG image named .dxf", "dxf", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "",
         "stop-not-a-drawing", "not-a-drawing"},
    };
}

class CensusRule : public testing::TestWithParam<RuleCase>
{
};

TEST_P(CensusRule, NamesTheRuleThatDecided)
{
    const RuleCase& c = GetParam();
    TempFile file(c.content, c.extension);
    const Explanation e = ExplainFile(file.Path().string(), c.importer);
    EXPECT_EQ(RowsInBrief(e.accounting), c.rows);
    EXPECT_EQ(RowsInBrief(e.blockAccounting), c.blockRows);
    EXPECT_EQ(e.stoppedAt ? e.stoppedAt->code : "", c.stop);
    EXPECT_EQ(WarningCodes(e), c.warnings);
}

INSTANTIATE_TEST_SUITE_P(Rules, CensusRule, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<RuleCase>& info) {
                             return "Rule" + std::to_string(info.index);
                         });

TEST(CensusLocale, WarnsOfADecimalComma)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows takes the user's locale from the system, not from LC_ALL; the "
                    "decimal comma of German_Germany.1252 is read in the platform tests";
#else
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "the locale de_DE.UTF-8 is not installed (scripts/deps.sh installs it)";
    std::setlocale(LC_ALL, "C");
    TempFile file(InEntities(Words("0 LINE 8 A 10 0.5 20 0 11 1.5 21 1")));
    setenv("LC_ALL", "de_DE.UTF-8", 1); // the importer takes the user's locale when it opens
    const Explanation e = ExplainFile(file.Path().string(), "dxf");
    unsetenv("LC_ALL");
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(WarningCodes(e), "decimal-comma-locale");
    EXPECT_NE(e.warnings[0].text.find("de_DE.UTF-8"), std::string::npos);
#endif
}
} // namespace

namespace
{
// A layer name of the given length: the reader's line limit decides whether the pairs shift.
TEST(CensusLineLimit, FindsTheFirstLineEachReaderCuts)
{
    const struct
    {
        const char* importer;
        int nameLength;
        bool cut;
    } cases[] = {{"dxf", 2046, false}, {"dxf", 2047, true}, {"die", 253, false}, {"die", 254, true}};
    for (const auto& c : cases)
    {
        const std::string layer(static_cast<size_t>(c.nameLength), 'L');
        TempFile file(kLayerTable +
                      InEntities(Words("0 LINE 62 1 8 " + layer + " 10 0 20 0 11 1 21 1 "
                                       "0 LINE 62 7 8 CUT 10 0 20 0 11 1 21 1")));
        const Explanation e = ExplainFile(file.Path().string(), c.importer);
        EXPECT_EQ(WarningCodes(e).find("long-line") != std::string::npos, c.cut)
            << c.importer << " " << c.nameLength;
        EXPECT_EQ(TotalsOf(e).unexplained, 0) << c.importer << " " << c.nameLength;
        EXPECT_EQ(e.holds.entities.at("LINE"), 2) << "the file's own pairs, cut or not";
    }
}
} // namespace
