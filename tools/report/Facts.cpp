#include "Facts.h"

#include <sstream>

#include "Census.h"
#include "Contours.h"
#include "Geometry.h"
#include "Json.h"
#include "ShapeCounts.h"
#include "Svg.h"
#include "Thumbnail.h"

namespace
{
// A thumbnail is shown a few hundred pixels wide; finer detail than this grid is not seen.
const int kThumbnailGridCells = 400;

nlohmann::ordered_json CountShapes(const Import& import)
{
    ShapeCounts counts;
    ForEachShape(import.shapes, [&](const CShape& shape) { counts.Count(shape); });
    return {{"shapes", import.shapes.size()},
            {"inserts", import.inserts.size()},
            {"polylines", counts.polylines},
            {"circles", counts.circles},
            {"ellipses", counts.ellipses},
            {"texts", counts.texts},
            {"points", counts.points}};
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
    card["counts"] = CountShapes(import);
    card["extent"] = ExtentJson(ImportExtent(import));
    card["explain"] = ExplanationJson(Explain(path, importer, settings, import));
    const ContourReport contours = CheckContours(import, gapTolerance);
    card["contours"] = ContoursJson(contours);
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
