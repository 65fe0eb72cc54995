// What the part builder costs beside the import it works on, and where its time goes:
// rvz_parts dxf|die|plt FILE [RUNS]  — the best time of each over a few runs;
// rvz_parts segments [RUNS]          — the same for one million separate LINEs.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "Contours.h"
#include "Parts.h"
#include "ScatteredLines.h"

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
    const std::string path = segments ? WriteScatteredLines(1000000) : argv[2];
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
