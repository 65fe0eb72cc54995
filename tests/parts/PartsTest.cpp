// Parts, holes and marks of drawings whose answer is known by construction.
#include <random>

#include <gtest/gtest.h>

#include "Drawing.h"
#include "Nesting.h"

namespace
{
// The area of a ring may differ from the true shape's by at most the chord tolerance along
// its perimeter.
void ExpectArea(const PartRing& ring, double exact, double chordTolerance)
{
    EXPECT_NEAR(ring.area, exact, chordTolerance * ring.perimeter);
    EXPECT_NEAR(std::fabs(SignedArea(ring.points)), ring.area, 1e-9 * ring.area);
}
} // namespace

TEST(Parts, PlateWithHolesAndAnIslandNestEvenOdd)
{
    Drawing drawing;
    drawing.Square(0, 0, 100)        // 0: the plate
        .Circle(25, 25, 10)          // 1: a round hole
        .Square(50, 50, 40)          // 2: a square hole
        .Circle(70, 70, 5)           // 3: an island in the square hole
        .Polyline({70, 20, 90, 20}); // 4: an open stroke on the plate
    const PartsReport report = drawing.Parts();
    EXPECT_EQ(PartsLine(report), "2 parts, 2 holes, 1 mark, 0 loose, 0 problems");
    ASSERT_EQ(report.parts.size(), 2u);
    const Part &plate = report.parts[0], &island = report.parts[1];
    EXPECT_EQ(plate.outline.pieces, std::vector<int>{0});
    ASSERT_EQ(plate.holes.size(), 2u);
    EXPECT_EQ(plate.holes[0].pieces, std::vector<int>{1});
    EXPECT_EQ(plate.holes[1].pieces, std::vector<int>{2});
    EXPECT_EQ(plate.marks, std::vector<int>{4});
    EXPECT_EQ(island.outline.pieces, std::vector<int>{3});
    EXPECT_TRUE(island.holes.empty());
    // Outlines counter-clockwise, holes clockwise.
    EXPECT_GT(SignedArea(plate.outline.points), 0);
    EXPECT_LT(SignedArea(plate.holes[0].points), 0);
    EXPECT_LT(SignedArea(plate.holes[1].points), 0);
    ExpectArea(plate.holes[0], kPi * 100, report.chordTolerance);
    ExpectArea(island.outline, kPi * 25, report.chordTolerance);
    EXPECT_EQ(plate.outline.box, (std::array<double, 4>{0, 0, 100, 100}));
    EXPECT_DOUBLE_EQ(plate.outline.perimeter, 400);
    EXPECT_DOUBLE_EQ(report.chordTolerance, 100 * kRelativeChordTolerance);
}

TEST(Parts, ChordToleranceBoundsTheAreasOfArcs)
{
    Drawing drawing;
    drawing.Circle(0, 0, 50);
    for (double chord : {0.001, 0.1, 5.0})
    {
        const PartsReport report = BuildParts(drawing.import, {std::nullopt, chord});
        ASSERT_EQ(report.parts.size(), 1u);
        ExpectArea(report.parts[0].outline, kPi * 2500, chord);
        EXPECT_DOUBLE_EQ(report.chordTolerance, chord);
    }
}

// A rounded rectangle of 120 x 60, corners of radius 10, as 8 lines and 4 arcs; the line that
// should end at (x0 + 120, y0 + 20) stops short by gap.
void AddRoundedRectangle(Drawing& drawing, double x0, double y0, double gap, std::mt19937& rng)
{
    struct Piece
    {
        bool arc;
        double a, b, c, d, e;
    };
    std::vector<Piece> pieces = {
        {false, x0 + 10, y0, x0 + 60, y0, 0},       {false, x0 + 60, y0, x0 + 110, y0, 0},
        {true, x0 + 110, y0 + 10, 10, 270, 360}, {false, x0 + 120, y0 + 10, x0 + 120, y0 + 20 - gap, 0},
        {false, x0 + 120, y0 + 20, x0 + 120, y0 + 50, 0}, {true, x0 + 110, y0 + 50, 10, 0, 90},
        {false, x0 + 110, y0 + 60, x0 + 60, y0 + 60, 0}, {false, x0 + 60, y0 + 60, x0 + 10, y0 + 60, 0},
        {true, x0 + 10, y0 + 50, 10, 90, 180},   {false, x0, y0 + 50, x0, y0 + 30, 0},
        {false, x0, y0 + 30, x0, y0 + 10, 0},       {true, x0 + 10, y0 + 10, 10, 180, 270}};
    std::shuffle(pieces.begin(), pieces.end(), rng);
    for (const Piece& p : pieces)
        if (p.arc)
            drawing.Arc(p.a, p.b, p.c, p.d, p.e);
        else if (rng() % 2)
            drawing.Line(p.c, p.d, p.a, p.b);
        else
            drawing.Line(p.a, p.b, p.c, p.d);
}

TEST(Parts, LooseLinesAndArcsJoinWithinTheGapToleranceOnly)
{
    std::mt19937 rng(27);
    Drawing drawing;
    AddRoundedRectangle(drawing, 0, 0, 0.3, rng);   // pieces 0 to 11: a gap of 0.3
    AddRoundedRectangle(drawing, 200, 0, 0.8, rng); // pieces 12 to 23: a gap of 0.8
    const PartsReport report = drawing.Parts(0.5);
    ASSERT_EQ(report.parts.size(), 1u);
    const PartRing& outline = report.parts[0].outline;
    EXPECT_EQ(outline.pieces.size(), 12u);
    EXPECT_EQ(outline.pieces.back(), 11);
    ExpectArea(outline, 120 * 60 - (4 - kPi) * 100, report.chordTolerance + 0.3);
    EXPECT_GT(SignedArea(outline.points), 0);
    // The bridged gap is listed where it was closed, the wider one stays open.
    ASSERT_EQ(report.bridged.size(), 1u);
    EXPECT_NEAR(report.bridged[0].gap, 0.3, 1e-9);
    EXPECT_NEAR(report.bridged[0].at.x, 120, 1e-9);
    ASSERT_EQ(report.open.size(), 1u);
    EXPECT_NEAR(report.open[0].gap, 0.8, 1e-9);
    EXPECT_EQ(report.open[0].pieces.size(), 12u);
    EXPECT_EQ(report.loose.size(), 12u);
    // Without the tolerance, both stay open and nothing is bridged.
    const PartsReport strict = drawing.Parts();
    EXPECT_TRUE(strict.parts.empty());
    EXPECT_TRUE(strict.bridged.empty());
    EXPECT_EQ(strict.open.size(), 2u);
}

TEST(Parts, TextsAndOpenStrokesRideOnThePartTheyLieOn)
{
    Drawing drawing;
    drawing.Square(0, 0, 100)                          // 0
        .Square(60, 60, 30)                            // 1: a hole
        .Text(10, 10)                                  // 2: on the part
        .Polyline({20, 40, 30, 50, 40, 40, 50, 50})    // 3: an engraving on the part
        .Text(70, 70)                                  // 4: in the hole: on no part
        .Polyline({200, 0, 210, 10})                   // 5: far away
        .Polyline({5, 90, 5, 90});                     // 6: a dot on the part
    const PartsReport report = drawing.Parts();
    ASSERT_EQ(report.parts.size(), 1u);
    EXPECT_EQ(report.parts[0].marks, (std::vector<int>{2, 3, 6}));
    EXPECT_EQ(report.loose, (std::vector<int>{4, 5}));
}

TEST(Parts, DieCreasesAreMarksAndCutLinesOutlines)
{
    Import import;
    ASSERT_TRUE(RunImport("die", RIVEZ_EXAMPLES "/die/carton.dxf", {}, import));
    const PartsReport report = BuildParts(import);
    EXPECT_EQ(PartsLine(report), "1 part, 2 holes, 14 marks, 0 loose, 0 problems");
    std::vector<int> creases;
    for (size_t i = 0; i < import.shapes.size(); ++i)
        if (static_cast<const CShape*>(import.shapes[i].get())->m_nLineType == 1)
            creases.push_back(static_cast<int>(i));
    EXPECT_EQ(creases.size(), 12u);
    const std::vector<int>& marks = report.parts[0].marks;
    for (int crease : creases)
        EXPECT_TRUE(std::binary_search(marks.begin(), marks.end(), crease)) << crease;
}

TEST(Parts, WhatCannotBeDecidedIsListedWithItsPlace)
{
    const auto kinds = [](const PartsReport& report)
    {
        std::vector<std::string> kinds;
        for (const PartProblem& problem : report.problems)
            kinds.push_back(problem.kind);
        return kinds;
    };
    // Two outlines crossing: both stay parts, the crossing is said.
    const PartsReport crossing = Drawing().Square(0, 0, 100).Square(50, 50, 100).Parts();
    EXPECT_EQ(crossing.parts.size(), 2u);
    ASSERT_EQ(kinds(crossing), std::vector<std::string>{"crossing-outlines"});
    EXPECT_EQ(crossing.problems[0].pieces, (std::vector<int>{0, 1}));
    EXPECT_GE(crossing.problems[0].at.x, 50);
    EXPECT_LE(crossing.problems[0].at.x, 100);
    // The same outline twice is one part.
    const PartsReport twice = Drawing().Square(0, 0, 10).Square(0, 0, 10).Parts();
    EXPECT_EQ(twice.parts.size(), 1u);
    EXPECT_EQ(kinds(twice), std::vector<std::string>{"duplicate-ring"});
    // A ring through one point twice touches itself; a flat ring encloses nothing.
    EXPECT_EQ(kinds(Drawing().Polyline({0, 0, 10, 0, 5, 5, 10, 10, 0, 10, 5, 5}, true).Parts()),
              std::vector<std::string>{"self-touching-ring"});
    const PartsReport flat = Drawing().Polyline({0, 0, 10, 0, 20, 0}, true).Parts();
    EXPECT_TRUE(flat.parts.empty());
    EXPECT_EQ(kinds(flat), std::vector<std::string>{"encloses-nothing"});
}

TEST(Parts, RingsInsideAnOpenOutlineAreSaidToBe)
{
    Drawing drawing;
    drawing.Polyline({0, 0, 100, 0, 100, 100, 0, 100, 0, 1}) // 0: open, gap 1
        .Circle(50, 50, 10)                                   // 1
        .Circle(300, 50, 10);                                 // 2: outside
    const PartsReport report = drawing.Parts();
    EXPECT_EQ(report.parts.size(), 2u);
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_EQ(report.problems[0].kind, "inside-open-outline");
    EXPECT_EQ(report.problems[0].pieces, (std::vector<int>{0, 1}));
    ASSERT_EQ(report.open.size(), 1u);
    EXPECT_DOUBLE_EQ(report.open[0].gap, 1);
}

TEST(Parts, JsonFollowsTheContract)
{
    const PartsReport report = Drawing().Square(0, 0, 10).Circle(5, 5, 2).Text(1, 1).Parts();
    const nlohmann::ordered_json json = PartsJson(report);
    std::vector<std::string> keys;
    for (const auto& [key, value] : json.items())
        keys.push_back(key);
    EXPECT_EQ(keys, (std::vector<std::string>{"gapTolerance", "chordTolerance", "counts", "parts",
                                              "loose", "open", "bridged", "problems"}));
    EXPECT_EQ(json["counts"].dump(), R"({"parts":1,"holes":1,"marks":1,"loose":0,"open":0,)"
                                     R"("bridged":0,"problems":0})");
    const auto& part = json["parts"][0];
    EXPECT_NEAR(part["area"].get<double>(), 100 - 4 * kPi, 0.01);
    EXPECT_EQ(part["outline"]["points"].dump(), "[[0.0,0.0],[10.0,0.0],[10.0,10.0],[0.0,10.0]]");
    EXPECT_EQ(part["outline"]["box"].dump(), "[0.0,0.0,10.0,10.0]");
    EXPECT_EQ(part["marks"].dump(), "[2]");
    EXPECT_FALSE(PartsJson(report, false)["parts"][0]["outline"].contains("points"));
}
