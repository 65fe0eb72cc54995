#include <regex>

#include <gtest/gtest.h>

#include "HostSupport.h"

TEST(HostCommandLine, ExitStatusAndMessages)
{
    const std::regex usage("rivez: .+\nRun 'rivez --help' for usage.\n"); // what usage errors say
    for (const std::string& arguments :
         {std::string(), std::string("unknown-extension.txt"), "--format xml " + kBracket,
          "--dxf-scale 2 " + kBracket, "--dxf-scale 2,x " + kBracket,
          "--dxf-steps --importer die " + kCarton,
          "--format json -o /dev/null " + kBracket + " " + kCarton})
    {
        RivezRun run = Rivez(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_TRUE(std::regex_match(run.err, usage)) << run.err;
    }
    EXPECT_EQ(Rivez("--help").status, 0);
    // A file that cannot be opened: 1, a line naming it, and the other files are still read.
    RivezRun run = Rivez("--importer dxf missing.dxf " + kBracket + " /tmp");
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Printed(run, "bracket.dxf: dxf importer, result 1"));
    EXPECT_EQ(run.err, "rivez: cannot open missing.dxf\nrivez: cannot open /tmp\n");
}

TEST(HostCommandLine, ScalesStepsAndSummaryCounts)
{
    json plain = JsonOf(kBracket), scaled = JsonOf("--dxf-scale 2,0.5 " + kBracket);
    EXPECT_EQ(scaled["shapes"][0]["points"][1][0].get<double>(),
              2 * plain["shapes"][0]["points"][1][0].get<double>());
    EXPECT_EQ(JsonOf("--dxf-steps " + kBracket), plain);
    const RivezRun summary = Rivez(kBracket + " " + kCarton + " --importer dxf");
    for (const char* part : {"\n\n", "contours: 5 closed, 4 loops of pieces, 0 open\n",
                             "extent: (0, 0) to (200, 100)"})
        EXPECT_TRUE(Printed(summary, part)); // "\n\n": a block per file
    // Zero is printed as 0, whatever its sign.
    TempFile signedZeros(Dxf("0 SECTION 2 ENTITIES 0 LINE 8 L 10 -0 20 -0.0 11 1 21 1 "
                             "0 ENDSEC 0 EOF"));
    EXPECT_TRUE(Printed(Rivez(signedZeros.Path().string()), "extent: (0, 0) to (1, 1), 1 x 1\n"));
    // Arcs stretch the extent by their own points, not by their circles: one inside the line's
    // box, one that passes its quarter point at x = 105, one whose circle alone reaches y = 105.
    TempFile arcs(Dxf("0 SECTION 2 ENTITIES 0 LINE 8 L 10 0 20 0 11 100 21 100 "
                      "0 ARC 8 L 10 50 20 50 40 10 50 0 51 90 "
                      "0 ARC 8 L 10 95 20 50 40 10 50 315 51 45 "
                      "0 ARC 8 L 10 50 20 95 40 10 50 200 51 340 0 ENDSEC 0 EOF"));
    EXPECT_TRUE(Printed(Rivez(arcs.Path().string()), "extent: (0, 0) to (105, 100), 105 x 100\n"));
}

TEST(HostCommandLine, SummaryTotalsOfManyShapesAreThoseOfOneWalk)
{
    // Lines enough to be counted in several parts at once, and an insert that widens the extent.
    std::string entities;
    for (int i = 0; i < 9000; ++i)
        entities += "0 LINE 8 CUT 10 " + std::to_string(i) + " 20 0 11 " + std::to_string(i + 1) +
                    " 21 " + (i == 6000 ? "2" : "1") + " ";
    TempFile many(Dxf("0 SECTION 2 BLOCKS 0 BLOCK 2 B 10 0 20 0 0 CIRCLE 8 CUT 10 0 20 0 40 1 "
                      "0 ENDBLK 0 ENDSEC 0 SECTION 2 ENTITIES " +
                      entities + "0 INSERT 8 CUT 2 B 10 -10 20 -5 0 ENDSEC 0 EOF"));
    const RivezRun summary = Rivez(many.Path().string());
    for (const char* line : {"shapes: 9000 (polylines 9000; circles and arcs 0; texts 0)\n",
                             "inserts: 1 holding 1 (polylines 0; circles and arcs 1; texts 0)\n",
                             "extent: (-11, -6) to (9000, 2), 9011 x 8\n"})
        EXPECT_TRUE(Printed(summary, line));
}
