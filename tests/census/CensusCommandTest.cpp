// rivez --format explain and explain-json, and the summary's line of what was not kept.
#include <gtest/gtest.h>

#include "host/HostSupport.h"

namespace
{
const std::string kSpline = "0 SPLINE 70 8 71 1 72 4 73 2 40 0 40 0 40 1 40 1 10 0 20 0 10 1 20 1 ";

TEST(CensusCommand, ExplainsForPeopleAndProgramsAndSummarises)
{
    const TempFile file(Dxf("0 SECTION 2 ENTITIES " + kSpline + kSpline + kSpline +
                            "0 ENDSEC 0 EOF"));
    const std::string kSplines = file.Path().string();
    const RivezRun text = Rivez("--format explain " + kSplines);
    EXPECT_EQ(text.status, 0);
    EXPECT_TRUE(Printed(text, "SPLINE: 3 in the file, 0 kept, 3 dropped (no layer name and no "
                              "colour)"));

    const json explained = json::parse(Rivez("--format explain-json " + kSplines).out);
    EXPECT_EQ(explained["importer"], "dxf");
    EXPECT_EQ(explained["kind"], "dxf-text");
    EXPECT_EQ(explained["stoppedAt"], nullptr);
    EXPECT_EQ(explained["accounting"][0]["dropped"], json({{"no-layer-or-colour", 3}}));
    EXPECT_EQ(explained["reasons"]["no-layer-or-colour"], "no layer name and no colour");

    const RivezRun summary = Rivez("--importer die " + kSplines);
    EXPECT_TRUE(Printed(summary, "not kept: 0 dropped, 3 passed over; rivez --format explain "
                                 "--importer die " +
                                     kSplines + " tells why"));
}
} // namespace
