#include <gtest/gtest.h>

#include "HostSupport.h"

// The layer name below is written in UTF-8; Windows reads its bytes by the ANSI code page 1252.
#ifdef _WIN32
#define ETCH_LAYER "\\u00c3\\u00a9tch003"
#else
#define ETCH_LAYER "\\u00e9tch003"
#endif

TEST(HostJson, ShapesInsertsAndLayerStringsFollowTheContract)
{
    // Layer OFF is switched off (negative colour); a line on an unknown layer gets layer 0.
    TempFile file(Dxf("0 SECTION 2 TABLES 0 TABLE 2 LAYER 0 LAYER 2 CUT 62 1 0 LAYER 2 OFF 62 -3 "
                      "0 LAYER 2 \xC3\xA9tch 62 3 0 ENDTAB 0 ENDSEC 0 SECTION 2 BLOCKS 0 BLOCK 2 B "
                      "10 0 20 0 0 LINE 8 CUT 10 0 20 0 11 1 21 1 0 ENDBLK 0 ENDSEC "
                      "0 SECTION 2 ENTITIES 0 LINE 8 CUT 10 0.1 20 1e999 11 0.30000000000000004 "
                      "21 -1e999 0 LINE 8 NOPE 10 1 20 2 11 3 21 4 0 INSERT 8 CUT 2 B 10 5 20 6 "
                      "0 TEXT 8 CUT 10 1 20 2 40 3 1 Hi 0 ENDSEC 0 EOF"));
    EXPECT_EQ(JsonOf(file.Path().string()), json::parse(R"({"importer": "dxf", "result": 1, "shapes": [
        {"type": "polyline", "layer": 1, "lineType": 1, "closed": 0,
         "points": [[0.1, "inf"], [0.30000000000000004, "-inf"]]},
        {"type": "polyline", "layer": 0, "lineType": 1, "closed": 0, "points": [[1, 2], [3, 4]]},
        {"type": "text", "layer": 5, "lineType": 0, "text": "Hi", "style": "", "position": [1, 2],
         "height": 3, "widthFactor": 1, "angle": 0}],
        "inserts": [{"type": "body", "name": "B", "base": [5, 6], "state": 1, "shapes": [{"type":
         "polyline", "layer": 1, "lineType": 1, "closed": 0, "points": [[5, 6], [6, 7]]}]}],
        "layers": ["CUT001", ")" ETCH_LAYER R"("]})"));
}

TEST(HostJson, DieLayersAreTwoLists)
{
    json j = JsonOf("--importer die " + kCarton);
    EXPECT_EQ(j["layers"], json::parse(R"({"color1": ["CUT"], "color7": ["CREASE"]})"));
    EXPECT_EQ(j["inserts"], json::array());
}

TEST(HostJson, PlotterFilesReportThePen)
{
    TempFile file("IN;SP2;PU100,200;PD300,200;PU400,400;", ".hpgl");
    EXPECT_EQ(JsonOf("--unit-mode 1 --plt-scale2 0.5,2 " + file.Path().string()),
              json::parse(R"({"importer": "plt", "result": 0, "shapes": [{"type": "polyline",
        "layer": 1, "lineType": 1, "closed": 0, "points": [[50, 400], [150, 400]]}],
        "inserts": [], "layers": [], "pen": {"number": 2, "text": "SP2", "x": 200, "y": 800,
        "drawState": 0}})"));
}
