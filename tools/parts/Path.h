#pragma once
// A run of points of the drawing, as the part builder carries outlines, holes and strokes.
#include <vector>

#include "Contours.h"

using Path = std::vector<ContourPoint>;
