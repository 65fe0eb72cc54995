#pragma once
// An import as a standalone SVG picture: y up as in the drawing, fitted to the shapes,
// the two line classes in two colours with a legend, a frame with the extent.
#include <ostream>
#include <string>

#include "Import.h"

void WriteSvg(std::ostream& out, const std::string& title, const Import& import);
