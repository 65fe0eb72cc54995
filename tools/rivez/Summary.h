#pragma once
// An import in a few lines for people.
#include <optional>
#include <ostream>
#include <string>

#include "Census.h"
#include "Import.h"

// Contour ends meet within gapTolerance, or the default share of the extent; census is the
// file's census, started before the import.
void WriteSummary(std::ostream& out, const std::string& path, const Import& import,
                  FileCensus& census, std::optional<double> gapTolerance = std::nullopt);
