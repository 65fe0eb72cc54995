#pragma once
// The few GEOS calls the part builder makes, through its reentrant C API, with every object
// it hands out owned and freed in turn. One context per build, so builds may run at once.
#include <functional>
#include <memory>
#include <vector>

#include <geos_c.h>

#include "Path.h"

class Geos
{
  public:
    struct Free
    {
        GEOSContextHandle_t context;
        void operator()(GEOSGeometry* g) const { GEOSGeom_destroy_r(context, g); }
        void operator()(const GEOSPreparedGeometry* g) const { GEOSPreparedGeom_destroy_r(context, g); }
        void operator()(GEOSSTRtree* tree) const { GEOSSTRtree_destroy_r(context, tree); }
    };
    using Geometry = std::unique_ptr<GEOSGeometry, Free>;
    using Prepared = std::unique_ptr<const GEOSPreparedGeometry, Free>;
    using Tree = std::unique_ptr<GEOSSTRtree, Free>;

    Geos();
    ~Geos();
    Geos(const Geos&) = delete;
    Geos& operator=(const Geos&) = delete;

    GEOSContextHandle_t Context() const { return m_context; }
    Geometry Own(GEOSGeometry* g) const { return Geometry(g, Free{m_context}); }
    Prepared Prepare(const Geometry& g) const;

    Geometry Point(const ContourPoint& p) const;
    Geometry Line(const Path& points) const;
    // A closed path whose first point is not repeated at its end; null below three points.
    Geometry Ring(const Path& ring) const;
    Geometry Polygon(const Path& outline, const std::vector<const Path*>& holes) const;
    // The diagonal of a box, standing in for the box where only an envelope counts.
    Geometry Box(double minX, double minY, double maxX, double maxY) const;

    // A tree of boxes, item i the i-th inserted.
    Tree NewTree() const { return Tree(GEOSSTRtree_create_r(m_context, 10), Free{m_context}); }
    void Insert(const Tree& tree, const GEOSGeometry* box, size_t item) const;
    // Every item whose box meets the geometry's box.
    void Query(const Tree& tree, const GEOSGeometry* g, const std::function<void(size_t)>& found) const;

    // The points of a ring of a polygon, its closing point left off.
    Path RingPoints(const GEOSGeometry* ring) const;

  private:
    GEOSContextHandle_t m_context;
};
