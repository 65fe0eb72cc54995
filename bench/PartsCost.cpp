// What the part builder costs beside the import it works on, and where its time goes:
// rvz_parts dxf|die|plt FILE [RUNS]  — the best time of each over a few runs;
// rvz_parts segments [RUNS]          — the same for one million separate LINEs.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include <unistd.h>

#include "Contours.h"
#include "Parts.h"

namespace
{
template <class Work> double BestSeconds(int runs, Work work)
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i)
    {
        const auto start = std::chrono::steady_clock::now();
        work();
        best = std::min(
            best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

// One million LINEs of 1 to 10 units on one cutting layer, scattered over a 1000 x 1000
// sheet: they cross, and some end on others, as loose line work does.
std::string WriteSegments()
{
    char name[] = "/tmp/rvz_partsXXXXXX";
    FILE* f = fdopen(mkstemp(name), "wb");
    std::fputs("  0\nSECTION\n  2\nTABLES\n  0\nTABLE\n  2\nLAYER\n  0\nLAYER\n  2\nCUT\n"
               " 70\n0\n 62\n1\n  0\nENDTAB\n  0\nENDSEC\n  0\nSECTION\n  2\nENTITIES\n",
               f);
    std::mt19937_64 rng(19);
    std::uniform_real_distribution<> at(0, 1000), length(1, 10), turn(0, 6.283185307179586);
    for (int i = 0; i < 1000000; ++i)
    {
        const double x = at(rng), y = at(rng), l = length(rng), a = turn(rng);
        std::fprintf(f,
                     "  0\nLINE\n  8\nCUT\n 10\n%.6f\n 20\n%.6f\n 30\n0.0\n 11\n%.6f\n 21\n"
                     "%.6f\n 31\n0.0\n",
                     x, y, x + l * std::cos(a), y + l * std::sin(a));
    }
    std::fputs("  0\nENDSEC\n  0\nEOF\n", f);
    std::fclose(f);
    return name;
}
} // namespace

int main(int argc, char** argv)
{
    const bool segments = argc >= 2 && std::string(argv[1]) == "segments";
    if (argc < (segments ? 2 : 3))
    {
        std::fprintf(stderr, "usage: %s dxf|die|plt FILE [RUNS] | %s segments [RUNS]\n", argv[0],
                     argv[0]);
        return 2;
    }
    const std::string importer = segments ? "dxf" : argv[1];
    const std::string path = segments ? WriteSegments() : argv[2];
    const int runs = argc > (segments ? 2 : 3) ? std::max(1, std::atoi(argv[segments ? 2 : 3])) : 3;

    Import import;
    const double importSeconds = BestSeconds(runs, [&] {
        import = Import{};
        RunImport(importer, path, {}, import);
    });
    if (segments)
        std::remove(path.c_str());
    PartsReport report;
    const double partsSeconds = BestSeconds(runs, [&] { report = BuildParts(import); });
    const double contoursSeconds =
        BestSeconds(runs, [&] { CheckContours(import, std::nullopt); });
    std::printf("import %.3f s, parts %.3f s (%.2f of the import), contour check %.3f s: %s\n",
                importSeconds, partsSeconds, partsSeconds / importSeconds, contoursSeconds,
                PartsLine(report).c_str());
    return 0;
}
