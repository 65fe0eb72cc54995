#pragma once
// The groups of open strokes that the joining could not close. Groups meet where a free end of
// one lies on a stroke of another (a T-junction). Where groups so met, or the strokes of one
// group, meet round, the line work is noded (snapped to a grid the size of the gap tolerance)
// and the faces it bounds are built; the outline is the boundary of what the connected line
// work encloses. Strokes that lie on no such boundary are left to be marks. Strokes that only
// cross, with no end on the other, are not noded.
#include <string>
#include <vector>

#include "Joining.h"

class Geos;

struct NodedRing
{
    std::vector<int> strokes; // the strokes along it
    Path points;
};

// What the builder could not decide, and where.
struct PartProblem
{
    std::string kind;
    ContourPoint at;
    std::vector<int> pieces; // shape numbers
    std::string text;
};

struct Noding
{
    std::vector<NodedRing> rings;
    std::vector<int> unplaced;        // strokes on no ring: marks or loose
    std::vector<int> openChains;      // the groups that are chains and stay open
    std::vector<PartProblem> problems;
};

// floor: the round-off of the drawing's coordinates.
Noding NodeGroups(const Geos& geos, const std::vector<Stroke>& strokes,
                  const std::vector<StrokeGroup>& groups, double tolerance, double floor);

// The point halfway along a path.
ContourPoint MiddleOf(const Path& path);
