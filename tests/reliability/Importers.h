#pragma once
// Each importer run on a file the way a host runs it, reduced to what every bad file is judged
// by: whether it opened, the importer's result and how many shapes it kept.
#include <filesystem>
#include <string>

struct Outcome
{
    int opened = 0;
    int result = -1;
    long long shapes = 0; // the drawing's shapes and inserts
};

enum class Importer
{
    Dxf,
    DxfStaged,
    Die,
    Plt,
    PltUnits, // the plotter reader in unit mode 1
};

Outcome RunImporter(Importer importer, const std::filesystem::path& path);
const char* NameOf(Importer importer);
