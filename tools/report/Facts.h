#pragma once
// Everything a report tells of one drawing, gathered in one place.
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "Import.h"

using Card = nlohmann::ordered_json;

struct FileFacts
{
    // What the page shows: "file", "importer", "outcome" ("read" or "not-opened"), "result",
    // "counts", "extent", "thumbnail" (SVG text), "thinning", "explain" (without its
    // contours), "contours" (the first open chains only, and "openCount") and "parts" (counts).
    Card card;
    nlohmann::ordered_json importJson;  // rivez --format json
    nlohmann::ordered_json explainJson; // rivez --format explain-json
    std::string svg;                    // the full picture
};

// Imports the file and gathers its facts.
FileFacts GatherFacts(const std::string& path, const std::string& importer,
                      const ImportSettings& settings,
                      std::optional<double> gapTolerance = std::nullopt);
