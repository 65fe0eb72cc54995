// What the census costs beside the import it explains: the best time of each over a few runs,
// and the peak memory of the census alone, before any import has run.
// rvz_census dxf|die|plt FILE [RUNS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <sys/resource.h>

#include "Census.h"

namespace
{
long PeakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

template <class Work> double BestSeconds(int runs, Work work)
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i)
    {
        const auto start = std::chrono::steady_clock::now();
        work();
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
    {
        std::fprintf(stderr, "usage: %s dxf|die|plt FILE [RUNS]\n", argv[0]);
        return 2;
    }
    const std::string importer = argv[1], path = argv[2];
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 3;

    const long before = PeakKiB();
    const Import none;
    Explain(path, importer, {}, none); // the census alone: what it holds is counts
    const long censusPeak = PeakKiB();

    Import import;
    const double importSeconds = BestSeconds(runs, [&] {
        import = Import{};
        RunImport(importer, path, {}, import);
    });
    long long rows = 0;
    const double censusSeconds = BestSeconds(runs, [&] {
        rows = static_cast<long long>(Explain(path, importer, {}, import).accounting.size());
    });
    std::printf("import %.3f s, census %.3f s (%.2f of the import), %lld rows; peak memory "
                "%ld KiB before, %ld KiB after the census alone, %ld KiB with the import\n",
                importSeconds, censusSeconds, censusSeconds / importSeconds, rows, before,
                censusPeak, PeakKiB());
    return 0;
}
