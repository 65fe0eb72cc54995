#pragma once
// The line work and texts of an import as the part builder reads them: every polyline,
// circle, arc and ellipse as a path of points, arcs flattened within the chord tolerance.
//
// Strokes are numbered as the contour check numbers its pieces: the import's shapes by their
// index (a body's children share its number), then the children of the inserts, insert after
// insert, depth first, each with a number of its own. Texts take a number the same way.
#include <optional>
#include <vector>

#include "Path.h"
#include "Import.h"
#include "Pieces.h" // Distance

// The default chord tolerance: this share of the larger side of the line work's extent.
constexpr double kRelativeChordTolerance = 1e-4;

struct Round
{
    ContourPoint center;
    double radius = 0.0;
};

struct Stroke
{
    int number = 0;
    int lineClass = 0;
    bool closed = false; // by its flag, or a whole circle or ellipse; never repeats its start
    std::optional<Round> circle; // a whole circle's own centre and radius
    Path points;
};

// A text, by where it stands.
struct Spot
{
    int number = 0;
    ContourPoint at;
};

struct StrokeList
{
    std::vector<Stroke> strokes;
    std::vector<Spot> texts;
    double size = 0.0;           // the larger side of the line work's extent
    double chordTolerance = 0.0; // what the arcs were flattened within
};

// Without a chord tolerance, kRelativeChordTolerance of the extent is taken.
StrokeList CollectStrokes(const Import& import, std::optional<double> chordTolerance);

// How far a point lies from the nearest segment of a path; closed, its last point joins its first.
double DistanceToPath(const ContourPoint& p, const Path& path, bool closed);

// The points of a counter-clockwise arc from a0 through sweep (radians), no farther from the
// true arc than the chord tolerance; a whole circle without its end repeating its start.
Path ArcPoints(ContourPoint center, double radius, double a0, double sweep, double chordTolerance);
