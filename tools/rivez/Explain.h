#pragma once
// What --format explain and explain-json tell of one import: the census's explanation of every
// entity, then the contours the import makes.
#include <nlohmann/json.hpp>
#include <ostream>

#include "Census.h"
#include "Contours.h"
#include "Parts.h"

// The explanation's JSON with the contour check's "contours", then the parts without their
// points as "parts", last.
nlohmann::ordered_json ExplanationWithContoursJson(const Explanation& explanation,
                                                   const ContourReport& contours,
                                                   const PartsReport& parts);

// The explanation for people, then every loop of pieces and open chain.
void WriteExplanationWithContours(std::ostream& out, const Explanation& explanation,
                                  const ContourReport& contours);
