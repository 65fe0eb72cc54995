#include "Explain.h"

nlohmann::ordered_json ExplanationWithContoursJson(const Explanation& explanation,
                                                   const ContourReport& contours,
                                                   const PartsReport& parts)
{
    nlohmann::ordered_json json = ExplanationJson(explanation);
    json["contours"] = ContoursJson(contours);
    json["parts"] = PartsJson(parts, false);
    return json;
}

void WriteExplanationWithContours(std::ostream& out, const Explanation& explanation,
                                  const ContourReport& contours)
{
    WriteExplanation(out, explanation);
    WriteContours(out, contours);
}
