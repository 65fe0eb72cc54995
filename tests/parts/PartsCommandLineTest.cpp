#include <gtest/gtest.h>

#include "host/HostSupport.h"

const std::string kGasket = RIVEZ_EXAMPLES "/gasket.dxf";

TEST(PartsCommandLine, GasketIsOnePartOnlyWhenItsGapIsBridged)
{
    const json bridged = json::parse(Rivez("--format parts --gap-tolerance 0.5 " + kGasket).out);
    EXPECT_EQ(bridged["file"], kGasket);
    EXPECT_EQ(bridged["counts"]["parts"], 1);
    EXPECT_EQ(bridged["counts"]["holes"], 3);
    ASSERT_EQ(bridged["bridged"].size(), 1u);
    EXPECT_NEAR(bridged["bridged"][0]["gap"].get<double>(), 0.3, 1e-9);
    EXPECT_TRUE(bridged["open"].empty());

    const json open = json::parse(Rivez("--format parts " + kGasket).out);
    EXPECT_TRUE(open["bridged"].empty());
    ASSERT_EQ(open["open"].size(), 1u);
    EXPECT_NEAR(open["open"][0]["gap"].get<double>(), 0.3, 1e-9);
    // Its holes would otherwise pass for parts: each is said to lie inside the open outline.
    EXPECT_EQ(open["counts"]["problems"], 3);
    for (const json& problem : open["problems"])
        EXPECT_EQ(problem["kind"], "inside-open-outline");
}

TEST(PartsCommandLine, SummaryExplanationAndPictureTellTheParts)
{
    EXPECT_TRUE(Printed(Rivez("--gap-tolerance 0.5 " + kGasket),
                        "\n  parts: 1 part, 3 holes, 0 marks, 0 loose, 0 problems\n"));
    const json explained = json::parse(Rivez("--format explain-json " + kGasket).out);
    EXPECT_EQ(explained["parts"]["counts"]["problems"], 3);
    EXPECT_FALSE(explained["parts"]["parts"][0]["outline"].contains("points"));
    const std::string svg = Rivez("--format svg --parts --importer die " + kCarton).out;
    EXPECT_NE(svg.find("<g class=\"parts\""), std::string::npos);
    EXPECT_NE(svg.find("parts: 1 part, 2 holes, 14 marks"), std::string::npos);
    const std::string problems = Rivez("--format svg --parts " + kGasket).out;
    EXPECT_NE(problems.find("<g class=\"problems\""), std::string::npos);
    EXPECT_EQ(Rivez("--format svg " + kGasket).out.find("class=\"parts\""), std::string::npos);
}

TEST(PartsCommandLine, OptionsAreChecked)
{
    for (const char* wrong : {"0", "-1", "nan", "x"})
    {
        const RivezRun run = Rivez(std::string("--format parts --chord-tolerance ") + wrong + " " + kGasket);
        EXPECT_EQ(run.status, 2) << wrong;
        EXPECT_NE(run.err.find("--chord-tolerance"), std::string::npos) << run.err;
    }
    const RivezRun run = Rivez("--parts " + kGasket);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("--parts"), std::string::npos);
    const json chord = json::parse(Rivez("--format parts --chord-tolerance 0.5 " + kGasket).out);
    EXPECT_EQ(chord["chordTolerance"], 0.5);
}

TEST(PartsCommandLine, SummaryOfALargeDrawingNamesTheCommandInsteadOfBuildingParts)
{
    std::string dxf = "0\nSECTION\n2\nENTITIES\n";
    for (int i = 0; i <= 10000; ++i)
        dxf += "0\nLINE\n8\n0\n10\n" + std::to_string(i) + "\n20\n0\n11\n" + std::to_string(i) +
               "\n21\n1\n";
    dxf += "0\nENDSEC\n0\nEOF\n";
    const TempFile drawing(dxf);
    const std::string summary = Rivez(drawing.Path().string()).out;
    EXPECT_NE(summary.find("\n  parts: not built for 10001 shapes; rivez --format parts " +
                           drawing.Path().string() + " builds them\n"),
              std::string::npos)
        << summary;
}
