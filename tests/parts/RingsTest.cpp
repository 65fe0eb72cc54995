// How rings are found: strokes joined end to end, and line work that branches noded.
#include <gtest/gtest.h>

#include "Drawing.h"

TEST(Rings, StrokesJoinInOrderWhicheverWayTheyRun)
{
    Drawing drawing;
    drawing.Line(0, 0, 10, 0).Line(0, 10, 10, 10).Line(10, 10, 10, 0).Line(0, 0, 0, 10);
    const PartsReport report = drawing.Parts();
    ASSERT_EQ(report.parts.size(), 1u);
    EXPECT_EQ(report.parts[0].outline.pieces, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(report.parts[0].outline.points.size(), 4u);
    EXPECT_DOUBLE_EQ(report.parts[0].outline.area, 100);
    // One open stroke whose ends meet closes on itself.
    EXPECT_EQ(Drawing().Polyline({0, 0, 10, 0, 10, 10, 0, 0}).Parts().parts.size(), 1u);
}

TEST(Rings, BranchingLineWorkIsNodedAndItsInnerLinesAreMarks)
{
    // A square whose left and right sides are each cut in two where a crossbar meets them.
    Drawing drawing;
    drawing.Line(0, 0, 100, 0)
        .Line(100, 0, 100, 50)
        .Line(100, 50, 100, 100)
        .Line(100, 100, 0, 100)
        .Line(0, 100, 0, 50)
        .Line(0, 50, 0, 0)
        .Line(0, 50, 100, 50); // 6: the crossbar
    const PartsReport report = drawing.Parts();
    ASSERT_EQ(report.parts.size(), 1u);
    EXPECT_NEAR(report.parts[0].outline.area, 10000, 1e-6);
    EXPECT_EQ(report.parts[0].outline.pieces, (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(report.parts[0].marks, std::vector<int>{6});
    EXPECT_TRUE(report.problems.empty());
}

TEST(Rings, AnEndOnAnotherStrokeMeetsIt)
{
    // The bottom starts 20 before the corner; the left side ends on it (a T-junction).
    Drawing drawing;
    drawing.Line(-20, 0, 100, 0).Line(100, 0, 100, 100).Line(100, 100, 0, 100).Line(0, 100, 0, 0);
    const PartsReport report = drawing.Parts();
    ASSERT_EQ(report.parts.size(), 1u);
    // Noded line work lies on a grid of the gap tolerance.
    EXPECT_NEAR(report.parts[0].outline.area, 10000, report.gapTolerance * 400);
    EXPECT_TRUE(report.open.empty());
    // Strokes that only cross are not noded: a cross of two lines is open line work.
    const PartsReport cross = Drawing().Line(0, 0, 10, 10).Line(0, 10, 10, 0).Parts();
    EXPECT_TRUE(cross.parts.empty());
    EXPECT_EQ(cross.loose, (std::vector<int>{0, 1}));
}

TEST(Rings, LineWorkThatMeetsRoundButEnclosesNothingIsAProblem)
{
    // Two strokes between the same two points, one over the other.
    const PartsReport report = Drawing().Line(0, 0, 10, 0).Line(10, 0, 0, 0).Parts();
    EXPECT_TRUE(report.parts.empty());
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_EQ(report.problems[0].kind, "encloses-nothing");
    EXPECT_EQ(report.problems[0].pieces, (std::vector<int>{0, 1}));
}
