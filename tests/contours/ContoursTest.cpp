#include <sstream>

#include <gtest/gtest.h>

#include "Contours.h"
#include "support/DrawingBuilder.h"

namespace
{
// An import built in memory, shape by shape; a square is four separate lines.
struct Drawing : DrawingBuilder<Drawing>
{
    Drawing& Square(double x, double y, double side)
    {
        return Line(x, y, x + side, y)
            .Line(x + side, y, x + side, y + side)
            .Line(x + side, y + side, x, y + side)
            .Line(x, y + side, x, y);
    }
    ContourReport Check(std::optional<double> tolerance = std::nullopt) const
    {
        return CheckContours(import, tolerance);
    }
};

std::string Listing(const ContourReport& report)
{
    std::ostringstream out;
    WriteContours(out, report);
    return out.str();
}
} // namespace

TEST(Contours, SquareOfFourLinesIsOneLoopOfPieces)
{
    const ContourReport report = Drawing().Square(0, 0, 100).Check();
    EXPECT_EQ(ContourLine(report), "0 closed, 1 loop of pieces, 0 open");
    EXPECT_DOUBLE_EQ(report.tolerance, 100 * kRelativeGapTolerance);
    ASSERT_EQ(report.joined.size(), 1u);
    EXPECT_EQ(report.joined[0].pieces.size(), 4u);
    EXPECT_EQ(ContoursJson(report).dump(),
              R"({"tolerance":0.001,"closed":0,"loopsOfPieces":1,"open":[]})");
}

TEST(Contours, CornerApartIsOneOpenChainWithItsGapAndEnds)
{
    Drawing drawing;
    drawing.Line(0, 0, 100, 0).Line(100, 0, 100, 100).Line(100, 100, 0, 100).Line(0, 100, 0, 0.3);
    const ContourReport report = drawing.Check();
    EXPECT_EQ(ContourLine(report), "0 closed, 0 loops of pieces, 1 open (gap 0.3 at (0, 0))");
    ASSERT_EQ(report.open.size(), 1u);
    EXPECT_EQ(report.open[0].pieces, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(ContoursJson(report)["open"][0].dump(),
              R"({"pieces":[0,1,2,3],"gap":0.3,"ends":[[0.0,0.0],[0.0,0.3]],)"
              R"("nearest":[{"end":[0.0,0.3],"distance":0.3},{"end":[0.0,0.0],"distance":0.3}]})");
    EXPECT_EQ(Listing(report), "contours: 0 closed, 0 loops of pieces, 1 open (gap 0.3 at (0, "
                               "0)); ends meet within 0.001\n"
                               "  open, 4 pieces: shapes 0, 1, 2, 3; gap 0.3\n"
                               "    end (0, 0): nearest free end (0, 0.3) at 0.3\n"
                               "    end (0, 0.3): nearest free end (0, 0) at 0.3\n");
    EXPECT_EQ(FreeEnds(report).size(), 2u);
    // A tolerance above the gap closes it.
    EXPECT_EQ(ContourLine(drawing.Check(0.5)), "0 closed, 1 loop of pieces, 0 open");
}

TEST(Contours, SingleShapesCloseByFlagOrByTheirEnds)
{
    Drawing drawing;
    drawing
        .Polyline({0, 0, 10, 0, 10, 10, 0, 0})  // ends meet, flag open
        .Polyline({20, 0, 30, 0, 30, 10}, true) // closed by flag
        .Arc(50, 50, 5, 0, 360)                 // a whole circle
        .Arc(50, 50, 5, 10, 370 - 1e-9)         // an arc whose ends meet
        .Polyline({60, 0, 70, 0, 70, 10})       // open: a chain of one
        .Polyline({80, 80, 80, 80});            // a dot: not a contour
    auto text = std::make_unique<CTextShape>();
    drawing.import.shapes.push_back(std::move(text)); // texts never count
    const ContourReport report = drawing.Check();
    EXPECT_EQ(report.closed, 4);
    EXPECT_EQ(report.loopsOfPieces, 0);
    ASSERT_EQ(report.open.size(), 1u);
    EXPECT_EQ(report.open[0].pieces, std::vector<int>{4});
    EXPECT_NEAR(report.open[0].gap, std::hypot(10, 10), 1e-12);
}

TEST(Contours, ArcsJoinLinesByTheirTrueEndsInEitherDirection)
{
    // A slot: two lines and two half circles; one line runs against the others.
    Drawing slot;
    slot.Line(0, 0, 30, 0).Arc(30, 5, 5, 270, 90).Line(0, 10, 30, 10).Arc(0, 5, 5, 90, 270);
    EXPECT_EQ(ContourLine(slot.Check()), "0 closed, 1 loop of pieces, 0 open");
    // An arc ending at 80 degrees misses the top line by its true end point.
    Drawing shortArc;
    shortArc.Line(0, 0, 30, 0).Arc(30, 5, 5, 270, 80).Line(0, 10, 30, 10).Arc(0, 5, 5, 90, 270);
    const ContourReport report = shortArc.Check();
    ASSERT_EQ(report.open.size(), 1u);
    EXPECT_NEAR(
        report.open[0].gap,
        std::hypot(5 * std::cos(DegreesToRadians(80)), 10 - 5 - 5 * std::sin(DegreesToRadians(80))),
        1e-12);
}

TEST(Contours, SeparateLoopsAreCountedApart)
{
    const ContourReport report = Drawing().Square(0, 0, 10).Square(50, 0, 10).Check();
    EXPECT_EQ(report.loopsOfPieces, 2);
    ASSERT_EQ(report.joined.size(), 2u);
    EXPECT_EQ(report.joined[1].pieces.size(), 4u);
    EXPECT_TRUE(report.open.empty());
}

TEST(Contours, ALargeDrawingCountsAndNumbersItsPiecesInShapeOrder)
{
    // Enough shapes for the pieces to be collected in two halves at once.
    Drawing drawing;
    for (int i = 0; i < 5000; ++i)
        drawing.Square(20.0 * i, 0, 10);
    drawing.Line(0, 100, 50, 100); // open, the last shape
    const ContourReport report = drawing.Check(0.001);
    EXPECT_EQ(report.loopsOfPieces, 5000);
    ASSERT_EQ(report.joined.size(), 5000u);
    EXPECT_EQ(report.joined[2500].pieces, (std::vector<int>{10000, 10001, 10002, 10003}));
    ASSERT_EQ(report.open.size(), 1u);
    EXPECT_EQ(report.open[0].pieces, (std::vector<int>{20000}));
}

TEST(Contours, EveryPieceIsToldAtTheToleranceOfTheWholeExtent)
{
    // Small pieces first, a long closed one last: the default tolerance is 4 only once it is in.
    // Enough of them to be collected in two halves, after a look at some of the shapes.
    Drawing drawing;
    for (int i = 0; i < 4200; ++i)
        drawing.Line(10 * i, 0, 10 * i + 3, 0)                            // a dot
            .Polyline({10.0 * i, 10, 10.0 * i + 5, 10, 10.0 * i + 5, 15}, true) // closed
            .Polyline({10.0 * i, 20, 10.0 * i + 2, 20, 10.0 * i + 2, 22}, true) // a dot
            .Line(10 * i, 30, 10 * i + 5, 30);                            // open
    drawing.Polyline({0, 100, 0, 400000, 1, 400000}, true);
    for (const ContourReport& report : {drawing.Check(), drawing.Check(4.0)})
    {
        EXPECT_NEAR(report.tolerance, 4.0, 1e-12);
        EXPECT_EQ(report.closed, 4201);
        EXPECT_EQ(report.loopsOfPieces, 0);
        ASSERT_EQ(report.open.size(), 4200u);
        EXPECT_EQ(report.open.back().pieces, std::vector<int>{16799});
    }
}

TEST(Contours, BranchesCountIndependentLoopsAndPeelOpenChains)
{
    // A stray line at a corner: the square stays a loop, the line is open with one free end.
    const ContourReport stray = Drawing().Square(0, 0, 10).Line(10, 10, 20, 20).Check();
    EXPECT_EQ(stray.loopsOfPieces, 1);
    ASSERT_EQ(stray.open.size(), 1u);
    EXPECT_FALSE(stray.open[0].ends[0].free);
    EXPECT_TRUE(stray.open[0].ends[1].free);
    EXPECT_FALSE(stray.open[0].ends[1].nearest); // no other free end to close it with
    EXPECT_EQ(FreeEnds(stray).size(), 1u);
    // A diagonal splits the square into two loops.
    EXPECT_EQ(Drawing().Square(0, 0, 10).Line(0, 0, 10, 10).Check().loopsOfPieces, 2);
    // A line ending on the middle of a side meets no end: a T, open with two free ends.
    const ContourReport tee = Drawing().Square(0, 0, 10).Line(5, 0, 5, -10).Check();
    EXPECT_EQ(ContourLine(tee), "0 closed, 1 loop of pieces, 1 open (gap 10 at (5, 0))");
    // A Y of three lines: three open chains, none of them with a free end at the middle.
    const ContourReport y = Drawing().Line(0, 0, 1, 0).Line(0, 0, 0, 1).Line(0, 0, -1, -1).Check();
    EXPECT_EQ(y.open.size(), 3u);
    EXPECT_EQ(FreeEnds(y).size(), 3u);
}

TEST(Contours, InsertChildrenAreNumberedAfterTheShapes)
{
    Drawing drawing;
    drawing.Line(100, 100, 200, 100);
    auto body = std::make_unique<CBodyShape>();
    for (auto [x1, y1, x2, y2] : {std::array{0., 0., 9., 0.}, {9., 0., 0., 0.3}})
    {
        auto p = std::make_unique<CPolylineShape>();
        p->Add(x1, y1, 1);
        p->Add(x2, y2, 1);
        body->m_arrShape.Add(p.release());
    }
    drawing.import.inserts.push_back(std::move(body));
    const ContourReport report = drawing.Check();
    ASSERT_EQ(report.open.size(), 2u);
    EXPECT_EQ(report.open[1].pieces, (std::vector<int>{1, 2}));
    EXPECT_NE(Listing(report).find("open, 2 pieces: insert 0 shapes 0, 1; gap 0.3"),
              std::string::npos)
        << Listing(report);
}
