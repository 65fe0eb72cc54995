// The part builder on whatever each importer makes of any bytes, with the gap tolerance taken
// from the first byte: it must give oriented rings and hand back every piece it was given.
#include <cstdlib>

#include "FuzzFile.h"
#include "Nesting.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const std::optional<double> gap =
        data[0] < 128 ? std::nullopt : std::optional<double>((data[0] - 128) / 16.0);
    FuzzFile file(data + 1, size - 1, ".dxf");
    for (const char* importer : {"dxf", "die", "plt"})
    {
        Import import;
        if (!RunImport(importer, file.NarrowPath(), {}, import))
            continue;
        const PartsReport report = BuildParts(import, {gap, std::nullopt});
        PartsJson(report).dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
        for (const Part& part : report.parts)
        {
            if (!(part.outline.area >= 0) || SignedArea(part.outline.points) < 0)
                std::abort(); // an outline that runs clockwise
            for (const PartRing& hole : part.holes)
                if (SignedArea(hole.points) > 0)
                    std::abort(); // a hole that runs counter-clockwise
        }
    }
    return 0;
}
