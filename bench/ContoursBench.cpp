// The contour check against the import of the same drawing: one million separate LINEs.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>
#include <unistd.h>

#include "Contours.h"
#include "NearPoints.h"

namespace
{
const int kSegments = 1000000;

// A DXF file of separate LINEs on one cutting layer, scattered over a 1000 x 1000 sheet.
class SegmentFile
{
  public:
    SegmentFile()
    {
        char name[] = "/tmp/rvz_contoursXXXXXX";
        FILE* f = fdopen(mkstemp(name), "wb");
        m_path = name;
        std::fputs("  0\nSECTION\n  2\nTABLES\n  0\nTABLE\n  2\nLAYER\n  0\nLAYER\n  2\nCUT\n"
                   " 70\n0\n 62\n1\n  0\nENDTAB\n  0\nENDSEC\n  0\nSECTION\n  2\nENTITIES\n",
                   f);
        std::mt19937_64 rng(19);
        std::uniform_real_distribution<> at(0, 1000), length(1, 10), turn(0, 6.283185307179586);
        for (int i = 0; i < kSegments; ++i)
        {
            const double x = at(rng), y = at(rng), l = length(rng), a = turn(rng);
            std::fprintf(f,
                         "  0\nLINE\n  8\nCUT\n 10\n%.6f\n 20\n%.6f\n 30\n0.0\n 11\n%.6f\n 21\n"
                         "%.6f\n 31\n0.0\n",
                         x, y, x + l * std::cos(a), y + l * std::sin(a));
        }
        std::fputs("  0\nENDSEC\n  0\nEOF\n", f);
        std::fclose(f);
    }
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
