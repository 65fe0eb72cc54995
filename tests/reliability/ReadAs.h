#pragma once
// Each way a host reads a file, reduced to what a bad file is judged by: whether it opened, the
// importer's result and how many shapes and inserts it kept.
#include <filesystem>

#include "Import.h"

struct Way
{
    const char* name;
    const char* importer;
    bool staged;
    int unitMode;
};

inline const Way kEveryWay[] = {{"Dxf", "dxf", false, 0},
                                {"DxfStaged", "dxf", true, 0},
                                {"Die", "die", false, 0},
                                {"Plt", "plt", false, 0},
                                {"PltUnits", "plt", false, 1}};

struct Outcome
{
    bool opened;
    int result;
    size_t shapes;
};

inline Outcome ReadAs(const Way& way, const std::filesystem::path& path, Import& out)
{
    ImportSettings settings;
    settings.dxfSteps = way.staged;
    settings.unitMode = way.unitMode;
    const bool opened = RunImport(way.importer, path.string(), settings, out);
    return {opened, out.result, out.shapes.size() + out.inserts.size()};
}

inline Outcome ReadAs(const Way& way, const std::filesystem::path& path)
{
    Import out;
    return ReadAs(way, path, out);
}
