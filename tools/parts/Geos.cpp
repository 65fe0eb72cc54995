#include "Geos.h"

namespace
{
// GEOS reports bad geometry by its return values too; the builder reads those and says
// what it could not decide, so the messages themselves are not needed.
void Quiet(const char*, void*) {}

GEOSCoordSequence* Sequence(GEOSContextHandle_t context, const Path& points, bool close)
{
    const unsigned count = static_cast<unsigned>(points.size() + (close ? 1 : 0));
    GEOSCoordSequence* sequence = GEOSCoordSeq_create_r(context, count, 2);
    if (!sequence)
        return nullptr;
    for (unsigned i = 0; i < points.size(); ++i)
        GEOSCoordSeq_setXY_r(context, sequence, i, points[i].x, points[i].y);
    if (close)
        GEOSCoordSeq_setXY_r(context, sequence, count - 1, points[0].x, points[0].y);
    return sequence;
}
} // namespace

Geos::Geos() : m_context(GEOS_init_r())
{
    GEOSContext_setErrorMessageHandler_r(m_context, Quiet, nullptr);
    GEOSContext_setNoticeMessageHandler_r(m_context, Quiet, nullptr);
}

Geos::~Geos()
{
    GEOS_finish_r(m_context);
}

Geos::Prepared Geos::Prepare(const Geometry& g) const
{
    return Prepared(g ? GEOSPrepare_r(m_context, g.get()) : nullptr, Free{m_context});
}

Geos::Geometry Geos::Point(const ContourPoint& p) const
{
    return Own(GEOSGeom_createPointFromXY_r(m_context, p.x, p.y));
}

Geos::Geometry Geos::Line(const Path& points) const
{
    if (points.size() < 2)
        return Own(nullptr);
    GEOSCoordSequence* sequence = Sequence(m_context, points, false);
    return Own(sequence ? GEOSGeom_createLineString_r(m_context, sequence) : nullptr);
}

Geos::Geometry Geos::Ring(const Path& ring) const
{
    if (ring.size() < 3)
        return Own(nullptr);
    GEOSCoordSequence* sequence = Sequence(m_context, ring, true);
    return Own(sequence ? GEOSGeom_createLinearRing_r(m_context, sequence) : nullptr);
}

Geos::Geometry Geos::Polygon(const Path& outline, const std::vector<const Path*>& holes) const
{
    Geometry shell = Ring(outline);
    if (!shell)
        return Own(nullptr);
    std::vector<GEOSGeometry*> inner;
    for (const Path* hole : holes)
        if (Geometry ring = Ring(*hole))
            inner.push_back(ring.release());
    return Own(GEOSGeom_createPolygon_r(m_context, shell.release(), inner.data(),
                                        static_cast<unsigned>(inner.size())));
}

Geos::Geometry Geos::Box(double minX, double minY, double maxX, double maxY) const
{
    return Line({{minX, minY}, {maxX, maxY}});
}

void Geos::Insert(const Tree& tree, const GEOSGeometry* box, size_t item) const
{
    // The tree keeps the box's envelope and the item, never the geometry; items are stored
    // one up, so that none is a null pointer.
    GEOSSTRtree_insert_r(m_context, tree.get(), box, reinterpret_cast<void*>(item + 1));
}

void Geos::Query(const Tree& tree, const GEOSGeometry* g,
                 const std::function<void(size_t)>& found) const
{
    auto call = [](void* item, void* data)
    { (*static_cast<const std::function<void(size_t)>*>(data))(reinterpret_cast<size_t>(item) - 1); };
    GEOSSTRtree_query_r(m_context, tree.get(), g, call, const_cast<std::function<void(size_t)>*>(&found));
}

Path Geos::RingPoints(const GEOSGeometry* ring) const
{
    Path points;
    const GEOSCoordSequence* sequence = GEOSGeom_getCoordSeq_r(m_context, ring);
    unsigned count = 0;
    if (!sequence || !GEOSCoordSeq_getSize_r(m_context, sequence, &count) || count < 2)
        return points;
    points.resize(count - 1);
    for (unsigned i = 0; i + 1 < count; ++i)
        GEOSCoordSeq_getXY_r(m_context, sequence, i, &points[i].x, &points[i].y);
    return points;
}
