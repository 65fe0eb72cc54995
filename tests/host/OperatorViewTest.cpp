// What an operator reads of a drawing: a normal plotter read raises no alarm, a drawing likely in
// inches says so, and a remade report keeps no pictures of drawings no longer on it.
#include <gtest/gtest.h>

#include "HostSupport.h"

namespace
{
const std::string kStar = RIVEZ_EXAMPLES "/star.plt";

TEST(OperatorView, APlotterFileReadToItsEndIsShownSoAndKeepsItsResultInTheJson)
{
    const std::string text = Rivez("--format explain " + kStar).out;
    EXPECT_NE(text.find("  read to its end (line "), std::string::npos) << text;
    EXPECT_EQ(text.find("stopped"), std::string::npos) << text;

    const json explained = json::parse(Rivez("--format explain-json " + kStar).out);
    EXPECT_EQ(explained["result"], 0);
    EXPECT_EQ(explained["stoppedAt"]["code"], "stop-plt");
    EXPECT_NE(explained["stoppedAt"]["reason"], "");

    const TempFile page("", ".html");
    ASSERT_EQ(Rivez("--format html -o " + page.Path().string() + " " + kStar).status, 0);
    const std::string html = Slurp(page.Path());
    std::filesystem::remove_all(std::filesystem::path(page.Path()).replace_extension(".files"));
    EXPECT_EQ(html.find("Reading stopped"), std::string::npos);
    EXPECT_NE(html.find("result 0: read to its end"), std::string::npos);
}

TEST(OperatorView, NoUnitsButImperialMeasurementWarnsOfInches)
{
    for (const std::string& units : {std::string("9 $INSUNITS 70 0 "), std::string()})
    {
        const TempFile file(Dxf("0 SECTION 2 HEADER " + units +
                                "9 $MEASUREMENT 70 0 0 ENDSEC 0 SECTION 2 ENTITIES 0 LINE 8 L "
                                "10 0 20 0 11 1 21 1 0 ENDSEC 0 EOF"));
        const std::string text = Rivez("--format explain " + file.Path().string()).out;
        EXPECT_NE(text.find("warning (units-likely-inches): the file declares no units"),
                  std::string::npos)
            << text;
        EXPECT_NE(text.find("coordinates are likely inches"), std::string::npos) << text;
    }
}

TEST(OperatorView, RemakingAReportRemovesWhatTheEarlierRunLeft)
{
    namespace fs = std::filesystem;
    const TempFile page("", ".html");
    const fs::path files = fs::path(page.Path()).replace_extension(".files");
    ASSERT_EQ(Rivez("--format html -o " + page.Path().string() + " " + kBracket + " " + kCarton)
                  .status,
              0);
    ASSERT_TRUE(fs::exists(files / "2-carton.dxf.svg"));
    std::ofstream(files / "notes.txt") << "a person's own note, not the report's";

    ASSERT_EQ(Rivez("--format html -o " + page.Path().string() + " " + kStar).status, 0);
    std::vector<std::string> left;
    for (const fs::directory_entry& entry : fs::directory_iterator(files))
        left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    fs::remove_all(files);
    EXPECT_EQ(left, (std::vector<std::string>{"1-star.plt.explain.json", "1-star.plt.json",
                                              "1-star.plt.svg", "notes.txt"}));
}
} // namespace
