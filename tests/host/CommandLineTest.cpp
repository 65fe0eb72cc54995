#include <fstream>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "HostSupport.h"
#include "support/TempFile.h"

namespace
{
const std::string kBracket = std::string(RIVEZ_EXAMPLES) + "/bracket.dxf";
const std::string kCarton = std::string(RIVEZ_EXAMPLES) + "/die/carton.dxf";
} // namespace

TEST(HostCommandLine, UsageErrorsExitTwo)
{
    TempFile unknown("0\nEOF\n", ".txt");
    const std::string cases[] = {"",
                                 unknown.Path().string(),
                                 "--format xml " + kBracket,
                                 "--dxf-scale 2 " + kBracket,
                                 "--dxf-scale 2,x " + kBracket,
                                 "--dxf-steps --importer die " + kCarton,
                                 "--format json -o /dev/null " + kBracket + " " + kCarton};
    for (const std::string& arguments : cases)
        EXPECT_EQ(Rivez(arguments).status, 2) << arguments;
    EXPECT_EQ(Rivez("--help").status, 0);
    EXPECT_EQ(Rivez("--version").out.rfind("rivez ", 0), 0u);
}

TEST(HostCommandLine, UnopenableFilesExitOneAndTheRestIsRead)
{
    TempFile errors("");
    RivezRun run =
        Rivez("--importer dxf missing.dxf " + kBracket + " /tmp", errors.Path().string());
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("bracket.dxf: dxf importer, result 1"), std::string::npos);
    std::ifstream said(errors.Path());
    std::string first, second;
    std::getline(said, first);
    std::getline(said, second);
    EXPECT_EQ(first, "rivez: cannot open missing.dxf");
    EXPECT_EQ(second, "rivez: cannot open /tmp");
}

TEST(HostCommandLine, ScalesStepsAndSummaryCounts)
{
    auto json = [](const std::string& arguments)
    { return nlohmann::json::parse(Rivez("--format json " + arguments).out); };
    auto plain = json(kBracket), scaled = json("--dxf-scale 2,0.5 " + kBracket);
    EXPECT_EQ(scaled["shapes"][0]["points"][1][0].get<double>(),
              2 * plain["shapes"][0]["points"][1][0].get<double>());
    EXPECT_EQ(json("--dxf-steps " + kBracket), plain);

    RivezRun summary = Rivez(kBracket + " " + kCarton + " --importer dxf");
    EXPECT_NE(summary.out.find("\n\n"), std::string::npos); // one block per file
    EXPECT_NE(summary.out.find(" open, "), std::string::npos);
    EXPECT_NE(summary.out.find(" closed"), std::string::npos);
    EXPECT_NE(summary.out.find("extent: (0, 0) to (200, 100)"), std::string::npos);
}
