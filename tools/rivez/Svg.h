#pragma once
// An import as a standalone SVG picture: y up as in the drawing, fitted to the shapes,
// the two line classes in two colours with a legend, a frame with the extent, and a ring
// around every free end of an open contour; with parts, each part filled (its holes left open)
// under the shapes, and a ring around every problem the part builder lists.
#include <vector>
#include <ostream>
#include <string>

#include "Contours.h"
#include "Import.h"
#include "Parts.h"

// freeEnds: where the rings go; the contour check of the same import tells them.
void WriteSvg(std::ostream& out, const std::string& title, const Import& import,
              const std::vector<ContourPoint>& freeEnds, const PartsReport* parts = nullptr);
