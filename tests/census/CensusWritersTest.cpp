// The explanation as people and programs read it, whole; what the first bytes say a file is;
// and differences from the import that the census cannot account for, shown and not hidden.
#include <sstream>

#include <gtest/gtest.h>

#include "CensusSupport.h"
#include "Sniff.h"
#include "dxf/DxfTestSupport.h"

namespace
{
using json = nlohmann::ordered_json;

// A layer table, a block and an ENTITIES section with one kept, one dropped and one passed
// over entity, in inches.
const std::string kDrawing =
    Words("0 SECTION 2 HEADER 9 $ACADVER 1 AC1015 9 $INSUNITS 70 1 0 ENDSEC "
          "0 SECTION 2 TABLES 0 TABLE 2 LAYER 0 LAYER 2 CUT 70 0 62 1 0 LAYER 2 OLD 70 1 62 -5 "
          "0 ENDTAB 0 ENDSEC 0 SECTION 2 BLOCKS 0 BLOCK 2 B 0 CIRCLE 8 CUT 10 0 20 0 40 1 "
          "0 ENDBLK 0 ENDSEC") +
    InEntities(Words("0 LINE 8 CUT 10 0 20 0 11 1 21 1 0 LINE 10 0 20 0 11 1 21 1 0 POINT 8 CUT"));

TEST(CensusWriters, TellsPeopleEveryPart)
{
    TempFile file(kDrawing);
    std::ostringstream text;
    WriteExplanation(text, ExplainFile(file.Path().string(), "dxf"));
    EXPECT_EQ(text.str(),
              file.Path().string() + ": dxf importer, result 1\n"
              "  file: text DXF, version AC1015, units inches\n"
              "  sections: HEADER, TABLES, BLOCKS, ENTITIES\n"
              "  layers: 2 (CUT colour 1, OLD colour 5 off frozen)\n"
              "  entities: LINE 2, POINT 1\n"
              "  blocks: 1 holding CIRCLE 1\n"
              "  what the dxf importer did with the ENTITIES section:\n"
              "    LINE: 2 in the file, 1 kept, 1 dropped (no layer name and no colour)\n"
              "    POINT: 1 in the file, 0 kept, 1 passed over (a type this importer does not "
              "read)\n"
              "  inside block definitions:\n"
              "    CIRCLE: 1 in the file, 1 kept\n"
              "  warning (units-not-mm): the file declares its units as inches ($INSUNITS 1): "
              "coordinates arrive as they stand, not in millimetres; the scale factors move "
              "coordinates but not radii\n");
}

TEST(CensusWriters, GivesProgramsTheContract)
{
    TempFile file(kDrawing);
    const json explained = ExplanationJson(ExplainFile(file.Path().string(), "die"));
    const json expected = {
        {"file", file.Path().string()},
        {"importer", "die"},
        {"result", 1},
        {"kind", "dxf-text"},
        {"kindDetail", "a text DXF drawing"},
        {"units", "inches"},
        {"version", "AC1015"},
        {"codePage", nullptr},
        {"holds",
         {{"sections", {"HEADER", "TABLES", "BLOCKS", "ENTITIES"}},
          {"layerCount", 2},
          {"layers",
           {{{"name", "CUT"}, {"colour", 1}, {"off", false}, {"frozen", false}},
            {{"name", "OLD"}, {"colour", -5}, {"off", true}, {"frozen", true}}}},
          {"entities", {{"LINE", 2}, {"POINT", 1}}},
          {"blocks", 1},
          {"blockEntities", {{"CIRCLE", 1}}},
          {"paperSpace", 0},
          {"scaledInserts", 0},
          {"mirroredInserts", 0},
          {"arrayedInserts", 0},
          {"blocksWithInserts", 0},
          {"negativeExtrusion", 0}}},
        {"accounting",
         {{{"type", "LINE"},
           {"inFile", 2},
           {"kept", 1},
           {"dropped", {{"die-layer", 1}}},
           {"passedOver", json::object()},
           {"unexplained", 0}},
          {{"type", "POINT"},
           {"inFile", 1},
           {"kept", 0},
           {"dropped", json::object()},
           {"passedOver", {{"type-not-read", 1}}},
           {"unexplained", 0}}}},
        {"blockAccounting", json::array()},
        {"stoppedAt", nullptr},
        {"warnings",
         {{{"code", "units-not-mm"},
           {"text", "the file declares its units as inches ($INSUNITS 1): coordinates arrive "
                    "as they stand, not in millimetres; the scale factors move coordinates but "
                    "not radii"}}}},
        {"reasons",
         {{"die-layer", "no colour 1 or 7 of its own and its layer is not a die layer (colour 1 "
                        "or 7 in the LAYER table)"},
          {"type-not-read", "a type this importer does not read"}}}};
    EXPECT_EQ(explained, expected) << explained.dump(2);
}

TEST(CensusWriters, ShowsWhatItCannotAccountFor)
{
    TempFile file(kDrawing);
    Import import;
    RunImport("dxf", file.Path().string(), {}, import);
    import.shapes.clear(); // as if the importer had dropped its LINE
    import.result = 0;
    const Explanation e = Explain(file.Path().string(), "dxf", {}, import);
    EXPECT_EQ(RowsInBrief(e.accounting), "LINE 2: kept 0, no-layer-or-colour 1, unexplained 1\n"
                                         "POINT 1: kept 0, type-not-read 1\n"
                                         "(read result 0) 1: kept 0, unexplained 1\n");
    EXPECT_EQ(TotalsOf(e).unexplained, 2);
    EXPECT_EQ(WarningCodes(e), "units-not-mm unexplained");
}

TEST(CensusWriters, BoundsTheNamesAFileCanMake)
{
    std::string entities;
    for (int i = 0; i < 300; ++i)
        entities += "0 T" + std::to_string(i) + " 8 A ";
    TempFile file(InEntities(Words(entities + "0 LINE 8 A 10 0 20 0 11 1 21 1")));
    const Explanation e = ExplainFile(file.Path().string(), "dxf");
    ASSERT_EQ(e.accounting.size(), 202u); // 200 names, the LINE, and the rest
    EXPECT_EQ(RowsInBrief({e.accounting[0]}), "(other types) 100: kept 0, type-not-read 100\n");
    EXPECT_EQ(RowsInBrief({e.accounting[1]}), "LINE 1: kept 1\n");
}

TEST(CensusSniff, TellsAFileByItsFirstBytes)
{
    const struct
    {
        std::string bytes;
        const char* kind;
        const char* detail;
    } cases[] = {
        {"", "other", "an empty file"},
        {"  0\r\nSECTION\r\n", "dxf-text", "a text DXF drawing"},
        {"999\ncomment\n", "dxf-text", "a text DXF drawing"},
        {std::string("AutoCAD Binary DXF\r\n\x1a\0", 22), "dxf-binary", "a binary DXF drawing"},
        {"IN;SP1;PU0,0;", "hpgl", "an HPGL plotter file"},
        {"\x03\x1b%-1BBPINPS", "hpgl", "an HPGL plotter file"},
        {"\x89PNG\r\n", "other", "a PNG image"},
        {"%PDF-1.4", "other", "a PDF document"},
        {"PK\x03\x04", "other", "a ZIP archive"},
        {"AC1027\0\0", "other", "a DWG drawing"},
        {"EXTENTS,1\n", "other", "text that is neither DXF nor HPGL"},
        {std::string("\x01\x02\0\x03", 4), "other", "binary data of no kind the census knows"},
    };
    for (const auto& c : cases)
    {
        TempFile file(c.bytes);
        const FileKind kind = SniffFile(file.Path().string());
        EXPECT_EQ(kind.kind, c.kind) << c.bytes;
        EXPECT_EQ(kind.detail, c.detail) << c.bytes;
    }
}
} // namespace
