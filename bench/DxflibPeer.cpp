// The dxflib peer: the drawing read by dxflib into vectors of lines, arcs, circles and vertices.
#include <cstdio>
#include <vector>

#include <dxflib/dl_creationadapter.h>
#include <dxflib/dl_dxf.h>

#include "FileArgument.h"

namespace
{
struct Collector : DL_CreationAdapter
{
    void addLine(const DL_LineData& d) override { lines.push_back(d); }
    void addArc(const DL_ArcData& d) override { arcs.push_back(d); }
    void addCircle(const DL_CircleData& d) override { circles.push_back(d); }
    void addPolyline(const DL_PolylineData&) override { ++polylines; }
    void addVertex(const DL_VertexData& d) override { vertices.push_back(d); }
    void addInsert(const DL_InsertData&) override { ++inserts; }

    std::vector<DL_LineData> lines;
    std::vector<DL_ArcData> arcs;
    std::vector<DL_CircleData> circles;
    std::vector<DL_VertexData> vertices;
    long long polylines = 0;
    long long inserts = 0;
};
} // namespace

int main(int argc, char** argv)
{
    const char* path = FileArgument(argc, argv);
    if (!path)
        return 2;
    Collector collector;
    DL_Dxf dxf;
    if (!dxf.in(path, &collector))
    {
        std::fprintf(stderr, "cannot read %s\n", path);
        return 1;
    }
    std::printf("lines %zu arcs %zu circles %zu polylines %lld vertices %zu inserts %lld\n",
                collector.lines.size(), collector.arcs.size(), collector.circles.size(),
                collector.polylines, collector.vertices.size(), collector.inserts);
    return 0;
}
