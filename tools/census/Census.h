#pragma once
// The census: what a drawing file holds, what the importer kept, dropped or passed over of it,
// and why. It scans the file on its own, streaming, and sets its counts against the import
// rivez already made; it never runs an importer and never changes one.
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "Import.h"

// One entity type (or plotter mnemonic): inFile = kept + dropped + passed over + unexplained.
struct AccountRow
{
    std::string type;
    long long inFile = 0;
    long long kept = 0;
    std::map<std::string, long long> dropped;    // reason code -> count
    std::map<std::string, long long> passedOver; // reason code -> count
    long long unexplained = 0;
};

struct StopPoint
{
    long long line = 0;
    std::string code; // a reason of kind Stopped or ReadToEnd
    std::string text;
};

struct CensusWarning
{
    std::string code;
    std::string text;
};

struct LayerEntry
{
    std::string name;
    int colour = 0;
    bool off = false;
    bool frozen = false;
};

// What the file holds, as the file says it, whatever an importer makes of it.
struct Holdings
{
    std::vector<std::string> sections;
    std::vector<LayerEntry> layers; // the first ones of the LAYER table
    long long layerCount = 0;
    std::map<std::string, long long> entities;      // ENTITIES section, by type
    std::map<std::string, long long> blockEntities; // inside block definitions, by type
    long long blocks = 0;
    long long paperSpace = 0;
    long long scaledInserts = 0, mirroredInserts = 0, arrayedInserts = 0;
    long long blocksWithInserts = 0;
    long long negativeExtrusion = 0;
    std::map<std::string, long long> commands; // HPGL, by mnemonic
};

struct Explanation
{
    std::string file;
    std::string importer; // "dxf", "die" or "plt"
    int result = 0;
    std::string kind;       // "dxf-text", "dxf-binary", "hpgl" or "other"
    std::string kindDetail; // what the file looks like, in words
    std::string version;    // $ACADVER
    std::string codePage;   // $DWGCODEPAGE
    std::optional<int> insUnits;
    std::optional<int> measurement;
    Holdings holds;
    std::vector<AccountRow> accounting;      // the ENTITIES section, or the plotter commands
    std::vector<AccountRow> blockAccounting; // dxf: what the block definitions kept
    std::optional<StopPoint> stoppedAt;
    std::vector<CensusWarning> warnings;
};

// Explains what the importer made of the file; `import` is what RunImport returned for it.
Explanation Explain(const std::string& path, const std::string& importer,
                    const ImportSettings& settings, const Import& import);

// --format explain: for people.
void WriteExplanation(std::ostream& out, const Explanation& explanation);

// --format explain-json: the object of docs/explain-json.md.
nlohmann::ordered_json ExplanationJson(const Explanation& explanation);

// The units name of a $INSUNITS value, or null when there is no value.
std::optional<std::string> UnitsName(const Explanation& explanation);

// Totals over the accounting rows, for one line of the summary.
struct CensusTotals
{
    long long dropped = 0;
    long long passedOver = 0;
    long long unexplained = 0;
};
CensusTotals TotalsOf(const Explanation& explanation);
