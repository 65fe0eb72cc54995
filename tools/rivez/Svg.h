#pragma once
// An import as a standalone SVG picture: y up as in the drawing, fitted to the shapes,
// the two line classes in two colours with a legend, a frame with the extent, and a ring
// around every free end of an open contour.
#include <optional>
#include <ostream>
#include <string>

#include "Import.h"

void WriteSvg(std::ostream& out, const std::string& title, const Import& import,
              std::optional<double> gapTolerance = std::nullopt);
