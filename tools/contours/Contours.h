#pragma once
// Contours told by their geometry rather than by a shape's closed flag.
//
// Pieces are the polylines, circles and arcs (by their true end points) and ellipses of an
// import, its inserts' children included; texts never are. A piece whose points all lie
// within the tolerance of its start is a dot and not counted. A piece is closed when its flag
// says so, it is a whole circle or ellipse, or its two ends meet within the tolerance.
// The ends of the other pieces meet where they lie within the tolerance of each other. The
// pieces are cut into chains at every point where other than two ends meet; chains are taken
// off from free ends (an end nothing else meets) inwards, and each is open. What remains joins
// into loops, counted as their independent cycles: a square is one loop, a square with a
// diagonal or a T across it two, a square with a stray line at a corner one loop and one
// open chain whose end at the corner is not free.
//
// Pieces are numbered as the shapes list them: the import's shapes by their index, then the
// children of the inserts, insert after insert, depth first.
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "Import.h"

// The default tolerance: this share of the larger side of the pieces' extent. Far above the
// round-off of coordinates written with six or more digits, far below any gap a cutter sees.
constexpr double kRelativeGapTolerance = 1e-5;

struct ContourPoint
{
    double x = 0.0;
    double y = 0.0;
};

struct ContourEnd
{
    ContourPoint at;
    bool free = false;                   // no other piece ends here
    std::optional<ContourPoint> nearest; // the nearest other free end, for a free end
    double nearestDistance = 0.0;
};

struct OpenContour
{
    std::vector<int> pieces; // piece numbers in their order along the chain
    double gap = 0.0;        // between the chain's two ends
    ContourEnd ends[2];
};

// Pieces joined end to end into one or more loops.
struct JoinedLoops
{
    std::vector<int> pieces;
    int loops = 1;
};

struct ContourReport
{
    double tolerance = 0.0;
    int closed = 0; // single closed pieces
    int loopsOfPieces = 0;
    std::vector<JoinedLoops> joined;
    std::vector<OpenContour> open;
    std::vector<int> firstInsertPiece; // the number of each insert's first child
};

// How much of the report is filled in. Whole: every free end is told its nearest other free
// end, and joined loops list their pieces. Line: what ContourLine says, for far less on a large
// drawing: only the end whose nearest is nearest of all is told it, and joined loops are
// counted without their pieces.
enum class ContourDetail
{
    Whole,
    Line,
};

// Checks every piece of the import; without a tolerance it takes the default share.
ContourReport CheckContours(const Import& import, std::optional<double> tolerance,
                            ContourDetail detail = ContourDetail::Whole);

// The same check of pieces CollectPieces has sorted: a host may collect them on both cores,
// then leave the rest of the check to one while the other does its own work.
struct SortedPieces;
ContourReport CheckContours(SortedPieces&& pieces, ContourDetail detail = ContourDetail::Whole);

// {"tolerance", "closed", "loopsOfPieces", "open": [{"pieces", "gap", "ends", "nearest"}]};
// "nearest" holds per end {"end": [x, y], "distance"}, or null where there is none.
nlohmann::ordered_json ContoursJson(const ContourReport& report);

// "35 closed, 2 loops of pieces, 1 open (gap 0.3 at (120.5, 40))"
std::string ContourLine(const ContourReport& report);

// The line, then every loop of pieces and every open chain with its ends, for people.
void WriteContours(std::ostream& out, const ContourReport& report);

// Every free end of the open chains, where a picture marks them.
std::vector<ContourPoint> FreeEnds(const ContourReport& report);
