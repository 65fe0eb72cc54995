#pragma once
// An import in a few lines for people.
#include <optional>
#include <ostream>
#include <string>

#include "Import.h"

#include "Parts.h"

// Contour ends meet within the options' gap tolerance, or the default share of the extent.
void WriteSummary(std::ostream& out, const std::string& path, const Import& import,
                  const PartsOptions& options = {});
