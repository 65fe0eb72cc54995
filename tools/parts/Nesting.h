#pragma once
// Rings sorted into parts and holes by containment, through a tree of the rings' boxes: each
// ring is tested against the larger rings whose boxes meet its own, never against all.
#include <memory>
#include <vector>

#include "Geos.h"
#include "Parts.h"

struct RingSource
{
    std::vector<int> pieces;
    Path points;
    std::optional<Round> circle; // a whole circle, which cannot touch itself
};

class Nesting
{
  public:
    // rings: every ring found; those that enclose nothing, repeat another or cross another are
    // listed as problems, and the first two are left out.
    Nesting(const Geos& geos, std::vector<RingSource> rings, double tolerance,
            std::vector<Part>& parts, std::vector<PartProblem>& problems);
    ~Nesting();

    // The part a point lies on, outside its holes; the smallest where parts overlap; -1 for none.
    int PartAt(const ContourPoint& point) const;
    // The parts whose outlines lie inside the area a closed path bounds.
    std::vector<int> PartsInside(const Path& closed) const;

    struct Index; // the parts' polygons and the tree of their boxes

  private:
    std::unique_ptr<Index> m_index;
};

// The area a path bounds, counter-clockwise positive, as if closed.
double SignedArea(const Path& path);
