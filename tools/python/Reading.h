#pragma once
// Reads for the Python module: one at a time, each with '.' as the decimal point, and the
// program's locale as it was afterwards. Safe to call without the GIL.
#include <memory>
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "Import.h"

// The import of the file, or null when the importer cannot open it.
std::shared_ptr<const Import> ReadDrawing(const std::string& importer, const std::string& path,
                                          ImportSettings settings);

// What `rivez --format explain-json` prints for the file, or nothing when it cannot be opened.
std::optional<nlohmann::ordered_json> ExplainDrawing(const std::string& importer,
                                                     const std::string& path,
                                                     ImportSettings settings,
                                                     std::optional<double> gapTolerance);
