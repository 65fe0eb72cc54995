#pragma once
// An import in a few lines for people.
#include <ostream>
#include <string>

#include "Import.h"

void WriteSummary(std::ostream& out, const std::string& path, const Import& import);
