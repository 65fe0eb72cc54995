#include <gtest/gtest.h>

#include "PltTestSupport.h"
#include "support/Corpus.h"

TEST(PltCommands, SeparatorsAndALetterAfterTwoCharactersEndACommand)
{
    EXPECT_EQ(Plot("PU0,0;PD100,0,100,100;PU;"), "0,0 100,0 100,100");
    EXPECT_EQ(Plot("pu0,0;pd10,10;pu;"), "0,0 10,10");
    EXPECT_EQ(Plot("\n\nPU0,0PD10,10\r\n;;PU\n"), "0,0 10,10"); // line ends and ;; are empty
    EXPECT_EQ(Plot("PUPD1,1;PA2,2PU;"), "1,1 2,2");
    EXPECT_EQ(Plot(";;;\n\n ;\r\r;"), "");
}

TEST(PltCommands, PenCommandsEndPolylinesOthersAreIgnoredAndTheFileEndCutsOff)
{
    EXPECT_EQ(Plot("IN;SP2;XY12,13;PU0,0;PD5,5;SP -3;"), "0,0 5,5");
    EXPECT_EQ(Plot("PU0,0;PD5,5;LB3,3;PD9,9;PU;"), "0,0 5,5 | 3,3 9,9"); // LB begins one as PU
    EXPECT_EQ(Plot("PU0,0;PD5,5;PU;CI3;"), "0,0 5,5 | @5,5 r3 0>360");
    EXPECT_EQ(Plot("PU0,0;PD5,5;PU;CI3"), "0,0 5,5"); // the last command never ends
    EXPECT_EQ(Plot("PU0,0;PD10,10;"), "");            // nor does the polyline
    // "LB  8": the second blank ends a value of one blank, so the label starts at x 0.
    EXPECT_EQ(Plot("PA-100,1600;LB  8\nPA0,1600;\nPD4000,1600\nPU;"), "0,8 0,1600 4000,1600");
}

TEST(PltCommands, ExampleAndCorpusImport)
{
    EXPECT_NE(PlotFile(std::filesystem::path(RIVEZ_EXAMPLES) / "star.plt"), "");
    RIVEZ_CORPUS_OR_SKIP(corpus);
    for (const auto& entry : std::filesystem::directory_iterator(corpus / "plt"))
        PlotFile(entry.path());
    // "LB  8": the second blank ends a value of one blank, so the label starts at x 0.
    std::string labels = PlotFile(corpus / "plt" / "hp2xx__ul.hp");
    for (int shape = 0; shape < 18; ++shape)
        labels.erase(0, labels.find(" | ") + 3);
    EXPECT_EQ(labels.substr(0, labels.find(' ')), "0,1");
}
