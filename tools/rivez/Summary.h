#pragma once
// An import in a few lines for people.
#include <optional>
#include <ostream>
#include <string>

#include "Import.h"

// Contour ends meet within gapTolerance, or the default share of the extent.
void WriteSummary(std::ostream& out, const std::string& path, const Import& import,
                  std::optional<double> gapTolerance = std::nullopt);
