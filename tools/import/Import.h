#pragma once
// One file read by one importer, with every shape it made taken over by the host.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "shape/Shape.h"

using OwnedShapes = std::vector<std::unique_ptr<CObject>>;

struct PenState
{
    int number = 0;
    CString text;
    double x = 0.0;
    double y = 0.0;
    int drawState = 0;
};

struct Import
{
    std::string importer; // "dxf", "die" or "plt"
    int result = 0;
    OwnedShapes shapes;
    OwnedShapes inserts;
    std::vector<CString> layers; // dxf
    std::vector<CString> color1; // die
    std::vector<CString> color7; // die
    std::optional<PenState> pen; // plt
};

struct ImportSettings
{
    std::optional<std::pair<double, double>> dxfScale;
    std::optional<std::pair<double, double>> pltScale;
    std::optional<std::pair<double, double>> pltScale2;
    int unitMode = 0;
    bool dxfSteps = false;
    // The dxf importer's Open switches the process to the user's locale; with this set, the
    // read puts LC_NUMERIC back to "C" after Open so that numbers read as the file writes them.
    bool numbersAsWritten = false;
};

// The importer for a file name by its extension, or empty when the extension says nothing.
std::string ImporterForPath(const std::string& path);

// Reads the file as the host application would; false when the importer cannot open it.
bool RunImport(const std::string& importer, const std::string& path, const ImportSettings& settings,
               Import& out);

// The importers a build offers, in the order the help lists them.
const std::vector<std::string>& AvailableImporters();
