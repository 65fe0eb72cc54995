#include <gtest/gtest.h>

#include "host/HostSupport.h"

const std::string kGasket = RIVEZ_EXAMPLES "/gasket.dxf";

TEST(ContoursCommandLine, SummaryNamesTheGapAndTheToleranceClosesIt)
{
    EXPECT_TRUE(Printed(Rivez(kGasket), "\n  contours: 2 closed, 1 loop of pieces, 1 open (gap "
                                        "0.3 at (120, 40))\n"));
    EXPECT_TRUE(Printed(Rivez("--gap-tolerance 0.5 " + kGasket),
                        "\n  contours: 2 closed, 2 loops of pieces, 0 open\n"));
    for (const char* wrong : {"-1", "nan", "inf", "x"})
    {
        const RivezRun run = Rivez(std::string("--gap-tolerance ") + wrong + " " + kGasket);
        EXPECT_EQ(run.status, 2) << wrong;
        EXPECT_NE(run.err.find("--gap-tolerance"), std::string::npos) << run.err;
    }
}

TEST(ContoursCommandLine, PictureRingsEveryFreeEndAndNamesItInTheLegend)
{
    auto rings = [](const std::string& svg)
    {
        const auto group = svg.find("<g class=\"free-ends\"");
        if (group == std::string::npos)
            return -1;
        int count = 0;
        for (auto at = svg.find("<circle", group); at < svg.find("</g>", group);
             at = svg.find("<circle", at + 1))
            ++count;
        return count;
    };
    const std::string gasket = Rivez("--format svg " + kGasket).out;
    EXPECT_EQ(rings(gasket), 2);
    EXPECT_NE(gasket.find("free end of an open contour (2)"), std::string::npos);
    EXPECT_EQ(rings(Rivez("--format svg --gap-tolerance 0.5 " + kGasket).out), 0);
}
