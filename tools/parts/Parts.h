#pragma once
// The parts a nesting step takes: closed outlines, each with its holes, and what is drawn on
// each part riding along as its marks.
//
// Rings are closed shapes, whole circles and ellipses, strokes joined end to end within the
// gap tolerance, and the boundaries of what branching line work encloses once noded. By
// containment, even-odd: a ring inside no other is a part's outline, a ring inside it a hole,
// a ring inside a hole a new part. Open strokes, dots and texts that lie on a part (inside its
// outline and in none of its holes) are its marks; what lies on no part is loose. With the die
// importer, cutting lines (class 0) make the rings and creasing lines (class 1) are marks.
// What cannot be decided is listed as a problem, never guessed.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "Import.h"
#include "Joining.h"
#include "Noding.h"

struct PartsOptions
{
    std::optional<double> gapTolerance;   // default: the contour check's share of the extent
    std::optional<double> chordTolerance; // default: kRelativeChordTolerance of the extent
};

struct PartRing
{
    std::vector<int> pieces; // the shape numbers it was made of, as the contour check numbers them
    Path points;             // outlines counter-clockwise, holes clockwise; the start not repeated
    double area = 0.0;       // always positive
    double perimeter = 0.0;
    std::array<double, 4> box{}; // minX, minY, maxX, maxY
};

struct Part
{
    PartRing outline;
    std::vector<PartRing> holes;
    std::vector<int> marks; // shape numbers of what is drawn on it
};

// A chain of strokes that stays open, with the gap between its two ends.
struct OpenOutline
{
    std::vector<int> pieces;
    double gap = 0.0;
    ContourPoint ends[2];
};

struct PartsReport
{
    double gapTolerance = 0.0;
    double chordTolerance = 0.0;
    std::vector<Part> parts;
    std::vector<int> loose; // shape numbers on no part
    std::vector<OpenOutline> open;
    std::vector<Bridge> bridged;
    std::vector<PartProblem> problems;

    size_t Holes() const;
    size_t Marks() const;
};

// False in a build without GEOS (the Windows cross build), where BuildParts gives no parts and
// lists one "no-geometry-library" problem instead.
bool PartsAvailable();

PartsReport BuildParts(const Import& import, const PartsOptions& options = {});

// The contract of docs/parts-json.md; without points, the rings carry no "points".
nlohmann::ordered_json PartsJson(const PartsReport& report, bool withPoints = true);

// "3 parts, 7 holes, 2 marks, 1 loose, 1 problem"
std::string PartsLine(const PartsReport& report);
