#pragma once
// A drawing of loose line work for the contour and part benchmarks.
#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include <unistd.h>

// Writes count LINEs of 1 to 10 units on one cutting layer, scattered over a 1000 x 1000 sheet
// (they cross, and some end on others), to a new temporary file; returns its path.
inline std::string WriteScatteredLines(int count)
{
    char name[] = "/tmp/rvz_linesXXXXXX";
    FILE* f = fdopen(mkstemp(name), "wb");
    std::fputs("  0\nSECTION\n  2\nTABLES\n  0\nTABLE\n  2\nLAYER\n  0\nLAYER\n  2\nCUT\n"
               " 70\n0\n 62\n1\n  0\nENDTAB\n  0\nENDSEC\n  0\nSECTION\n  2\nENTITIES\n",
               f);
    std::mt19937_64 rng(19);
    std::uniform_real_distribution<> at(0, 1000), length(1, 10), turn(0, 6.283185307179586);
    for (int i = 0; i < count; ++i)
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
