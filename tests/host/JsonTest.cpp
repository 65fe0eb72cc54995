#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "HostSupport.h"
#include "support/TempFile.h"

using nlohmann::json;

namespace
{
const std::string kTables =
    Pairs({"0", "SECTION", "2",  "TABLES",      "0",  "TABLE", "2", "LAYER",  "0",  "LAYER",
           "2", "CUT",     "62", "1",           "0",  "LAYER", "2", "OFF",    "62", "-3",
           "0", "LAYER",   "2",  "\xC3\xA9tch", "62", "3",     "0", "ENDTAB", "0",  "ENDSEC"});

json JsonOf(const std::string& arguments)
{
    RivezRun run = Rivez("--format json " + arguments);
    EXPECT_EQ(run.status, 0);
    return json::parse(run.out);
}
} // namespace

TEST(HostJson, LinesAndLayerStringsFollowTheContract)
{
    TempFile file(
        kTables +
        Pairs({"0",   "SECTION", "2",   "ENTITIES", "0",     "LINE", "8",
               "CUT", "10",      "0.1", "20",       "1e999", "11",   "0.30000000000000004",
               "21",  "-2",      "0",   "LINE",     "8",     "NOPE", "10",
               "1",   "20",      "2",   "11",       "3",     "21",   "4",
               "0",   "ENDSEC",  "0",   "EOF"}));
    json j = JsonOf(file.Path().string());
    std::vector<std::string> keys;
    auto ordered =
        nlohmann::ordered_json::parse(Rivez("--format json " + file.Path().string()).out);
    for (auto& item : ordered.items())
        keys.push_back(item.key());
    EXPECT_EQ(keys,
              (std::vector<std::string>{"importer", "result", "shapes", "inserts", "layers"}));
    EXPECT_EQ(j["importer"], "dxf");
    EXPECT_EQ(j["result"], 1);
    EXPECT_EQ(j["layers"], (json{"CUT001", "\xC3\xA9tch003"}));
    ASSERT_EQ(j["shapes"].size(), 2u);
    const json& first = j["shapes"][0];
    EXPECT_EQ(first["type"], "polyline");
    EXPECT_EQ(first["layer"], 1);
    EXPECT_EQ(first["lineType"], 1);
    EXPECT_EQ(first["closed"], 0);
    EXPECT_EQ(first["points"][0][1], "inf");
    EXPECT_EQ(first["points"][1][0].get<double>(), 0.30000000000000004);
    EXPECT_EQ(first["points"][0][0].get<double>(), 0.1);
    EXPECT_EQ(j["shapes"][1]["layer"], 0);
}

TEST(HostJson, InsertsAreBodiesWithTheirShapes)
{
    RivezRun run = Rivez("--format json " + std::string(RIVEZ_EXAMPLES) + "/bracket.dxf");
    json j = json::parse(run.out);
    ASSERT_FALSE(j["inserts"].empty());
    const json& body = j["inserts"][0];
    EXPECT_EQ(body["type"], "body");
    EXPECT_FALSE(body.contains("layer"));
    EXPECT_TRUE(body["base"].is_array());
    EXPECT_FALSE(body["shapes"].empty());
    bool sawText = false;
    for (const json& shape : j["shapes"])
        if (shape["type"] == "text")
        {
            sawText = true;
            EXPECT_TRUE(shape["position"].is_array());
            EXPECT_TRUE(shape.contains("widthFactor"));
        }
    EXPECT_TRUE(sawText);
}

TEST(HostJson, DieLayersAreTwoLists)
{
    json j = JsonOf("--importer die " + std::string(RIVEZ_EXAMPLES) + "/die/carton.dxf");
    EXPECT_EQ(j["importer"], "die");
    EXPECT_TRUE(j["layers"]["color1"].is_array());
    EXPECT_TRUE(j["layers"]["color7"].is_array());
    EXPECT_EQ(j["inserts"], json::array());
    for (const json& shape : j["shapes"])
        EXPECT_TRUE(shape["lineType"] == 0 || shape["lineType"] == 1);
}

TEST(HostJson, PlotterFilesReportThePen)
{
    TempFile file("IN;SP2;PU100,200;PD300,200;PU400,400;", ".hpgl");
    json j = JsonOf("--unit-mode 1 --plt-scale2 0.5,2 " + file.Path().string());
    EXPECT_EQ(j["importer"], "plt");
    EXPECT_EQ(j["result"], 0);
    EXPECT_EQ(j["layers"], json::array());
    EXPECT_EQ(j["pen"],
              (json{{"number", 2}, {"text", "SP2"}, {"x", 200.0}, {"y", 800.0}, {"drawState", 0}}));
    EXPECT_EQ(j["shapes"][0]["points"], (json{{50.0, 400.0}, {150.0, 400.0}}));
}
