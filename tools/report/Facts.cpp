#include "Facts.h"

#include <sstream>

#include "Census.h"
#include "Contours.h"
#include "Explain.h"
#include "Geometry.h"
#include "Json.h"
#include "Parts.h"
#include "ShapeTally.h"
#include "Svg.h"
#include "Thumbnail.h"

namespace
{
// A thumbnail is shown a few hundred pixels wide; finer detail than this grid is not seen.
const int kThumbnailGridCells = 400;
const size_t kOpenChainsOnCard = 8;

nlohmann::ordered_json CountsJson(const Import& import, const ShapeCounts& counts)
{
    return {{"shapes", import.shapes.size()}, {"inserts", import.inserts.size()},
            {"polylines", counts.polylines},  {"circles", counts.circles},
            {"ellipses", counts.ellipses},    {"texts", counts.texts},
            {"points", counts.points}};
}

// A card lists a few open chains; the explanation beside the page has them all.
nlohmann::ordered_json CardContours(const ContourReport& contours)
{
    nlohmann::ordered_json json = ContoursJson(contours);
    nlohmann::ordered_json& open = json["open"];
    const size_t openCount = open.size();
    if (openCount > kOpenChainsOnCard)
        open.erase(open.begin() + kOpenChainsOnCard, open.end());
    json["openCount"] = openCount; // after the erase: a new key may move "open"
    return json;
}

nlohmann::ordered_json ExtentJson(const Extent& extent)
{
    if (extent.IsEmpty())
        return nullptr;
    return {extent.minX, extent.minY, extent.maxX, extent.maxY};
}
} // namespace

FileFacts GatherFacts(const std::string& path, const std::string& importer,
                      const ImportSettings& settings, std::optional<double> gapTolerance)
{
    FileFacts facts;
    Card& card = facts.card;
    card["file"] = path;
    card["importer"] = importer;
    Import import;
    if (!RunImport(importer, path, settings, import))
    {
        card["outcome"] = "not-opened";
        return facts;
    }
    card["outcome"] = "read";
    card["result"] = import.result;
    ShapeTally tally(import);
    tally.Take();
    const ShapeTotals totals = tally.Totals();
    card["counts"] = CountsJson(import, totals.shapes);
    card["extent"] = ExtentJson(totals.extent);
    const ContourReport contours = CheckContours(import, gapTolerance);
    const Explanation explanation = Explain(path, importer, settings, import);
    card["explain"] = ExplanationJson(explanation);
    card["contours"] = CardContours(contours);
    const PartsReport parts = BuildParts(import, {gapTolerance, std::nullopt});
    card["parts"] = PartsJson(parts, false)["counts"];
    facts.explainJson = ExplanationWithContoursJson(explanation, contours, parts);
    const std::vector<ContourPoint> freeEnds = FreeEnds(contours);
    facts.importJson = ImportToJson(import);
    std::ostringstream svg;
    WriteSvg(svg, path, import, freeEnds);
    facts.svg = svg.str();
    // Last: thinning changes the import's points.
    const Thinning thinning = ThinToGrid(import, kThumbnailGridCells);
    card["thinning"] = {{"gridCells", kThumbnailGridCells},
                        {"pointsBefore", thinning.pointsBefore},
                        {"pointsAfter", thinning.pointsAfter}};
    card["thumbnail"] = ThumbnailSvg(import, freeEnds);
    return facts;
}
