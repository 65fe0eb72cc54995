#pragma once
// An import in a few lines for people.
#include <optional>
#include <ostream>
#include <string>

#include "Census.h"
#include "Import.h"

#include "Parts.h"

// Contour ends meet within the options' gap tolerance, or the default share of the extent;
// census is the file's census, started before the import.
void WriteSummary(std::ostream& out, const std::string& path, const Import& import,
                  FileCensus& census, const PartsOptions& options = {});
