// The facts of one drawing as its card gets them from a real import.
#include <gtest/gtest.h>

#include "Facts.h"
#include "support/TempFile.h"

TEST(Facts, CountsAndPicturesOfAReadDrawing)
{
    const FileFacts facts = GatherFacts(RIVEZ_EXAMPLES "/bracket.dxf", "dxf", {});
    const Card& card = facts.card;
    EXPECT_EQ(card["outcome"], "read");
    EXPECT_EQ(card["result"], 1);
    EXPECT_EQ(card["counts"]["shapes"], facts.importJson["shapes"].size());
    EXPECT_EQ(card["counts"]["inserts"], facts.importJson["inserts"].size());
    EXPECT_EQ(card["extent"].size(), 4u);
    EXPECT_EQ(card["explain"]["result"], 1);
    EXPECT_NE(facts.svg.find("class=\"legend\""), std::string::npos);
    // The page shows the legend once, not on every thumbnail.
    EXPECT_NE(card["thumbnail"].get<std::string>().find(".legend{display:none}"),
              std::string::npos);
}

TEST(Facts, ThumbnailOfAPolylineOfThousandsOfPointsKeepsAPointPerGridCell)
{
    std::string points;
    for (int i = 1; i <= 5000; ++i)
        points += (i > 1 ? "," : "") + std::to_string(i * 10) + "," + std::to_string(i % 2 * 10);
    TempFile wiggle("IN;SP1;PU0,0;PD" + points + ";PU;", ".plt");
    const FileFacts facts = GatherFacts(wiggle.Path().string(), "plt", {});
    const auto& thinning = facts.card["thinning"];
    EXPECT_EQ(thinning["pointsBefore"], 5001);
    EXPECT_LE(thinning["pointsAfter"].get<int>(), 402);
    EXPECT_GE(thinning["pointsAfter"].get<int>(), 400);
    // The full picture keeps every point.
    EXPECT_EQ(facts.importJson["shapes"][0]["points"].size(), 5001u);
}

TEST(Facts, ThumbnailDrawsALineBetweenTheSameTwoCellsOnceAndNoLineWithinOneCell)
{
    // Five copies of one line, and a line shorter than a cell.
    TempFile lines("IN;SP1;PU0,0;PD0,0,10000,0;PU0,0;PD10000,0;PU0,0;PD10000,0;PU0,0;"
                   "PD10000,0;PU0,0;PD10000,0;PU5000,5000;PD5001,5000;PU;",
                   ".plt");
    const FileFacts facts = GatherFacts(lines.Path().string(), "plt", {});
    const auto& thinning = facts.card["thinning"];
    EXPECT_EQ(thinning["pointsBefore"], facts.card["counts"]["points"]);
    EXPECT_EQ(thinning["pointsAfter"], 2);
}

TEST(Facts, AFileThatCannotBeOpenedHasNoPicture)
{
    const FileFacts facts = GatherFacts("/no/such/drawing.dxf", "dxf", {});
    EXPECT_EQ(facts.card["outcome"], "not-opened");
    EXPECT_FALSE(facts.card.contains("thumbnail"));
}
