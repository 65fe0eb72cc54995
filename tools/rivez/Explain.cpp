#include "Explain.h"

nlohmann::ordered_json ExplanationWithContoursJson(const Explanation& explanation,
                                                   const ContourReport& contours)
{
    nlohmann::ordered_json json = ExplanationJson(explanation);
    json["contours"] = ContoursJson(contours);
    return json;
}

void WriteExplanationWithContours(std::ostream& out, const Explanation& explanation,
                                  const ContourReport& contours)
{
    WriteExplanation(out, explanation);
    WriteContours(out, contours);
}
