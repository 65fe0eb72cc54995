// The contour check against the import of the same drawing: one million separate LINEs.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "Contours.h"
#include "NearPoints.h"
#include "ScatteredLines.h"

namespace
{
const int kSegments = 1000000;

// The scattered LINEs, written once and removed at exit.
class SegmentFile
{
  public:
    SegmentFile() : m_path(WriteScatteredLines(kSegments)) {}
    ~SegmentFile() { std::remove(m_path.c_str()); }

    std::string m_path;
};

const SegmentFile& Segments()
{
    static const SegmentFile file;
    return file;
}

void BM_ImportSegments(benchmark::State& state)
{
    for (auto _ : state)
    {
        Import import;
        RunImport("dxf", Segments().m_path, {}, import);
        state.counters["shapes"] = static_cast<double>(import.shapes.size());
    }
}
BENCHMARK(BM_ImportSegments)->Unit(benchmark::kMillisecond);

void BM_CheckContoursOfSegments(benchmark::State& state)
{
    Import import;
    RunImport("dxf", Segments().m_path, {}, import);
    for (auto _ : state)
    {
        const ContourReport report = CheckContours(import, std::nullopt);
        state.counters["open"] = static_cast<double>(report.open.size());
        benchmark::DoNotOptimize(report);
    }
}
BENCHMARK(BM_CheckContoursOfSegments)->Unit(benchmark::kMillisecond);

// The two searches of the check apart: the segments' two million ends joined where they
// meet, and each one's nearest other end.
std::vector<ContourPoint> SegmentEnds()
{
    Import import;
    RunImport("dxf", Segments().m_path, {}, import);
    std::vector<ContourPoint> ends;
    for (const auto& shape : import.shapes)
        if (const auto* p = dynamic_cast<const CPolylineShape*>(shape.get()))
        {
            ends.push_back({p->m_pX[0], p->m_pY[0]});
            ends.push_back({p->m_pX[p->m_nCount - 1], p->m_pY[p->m_nCount - 1]});
        }
    return ends;
}

void BM_GroupSegmentEnds(benchmark::State& state)
{
    const std::vector<ContourPoint> ends = SegmentEnds();
    for (auto _ : state)
        benchmark::DoNotOptimize(GroupNearPoints(ends, 1000 * kRelativeGapTolerance));
}
BENCHMARK(BM_GroupSegmentEnds)->Unit(benchmark::kMillisecond);

void BM_NearestSegmentEnds(benchmark::State& state)
{
    const std::vector<ContourPoint> ends = SegmentEnds();
    for (auto _ : state)
        benchmark::DoNotOptimize(NearestOthers(ends));
}
BENCHMARK(BM_NearestSegmentEnds)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
