#include "Facts.h"

#include <sstream>

#include "Geometry.h"
#include "Json.h"
#include "Svg.h"
#include "Thumbnail.h"

namespace
{
// A thumbnail is shown a few hundred pixels wide; finer detail than this grid is not seen.
const int kThumbnailGridCells = 400;

nlohmann::ordered_json CountShapes(const Import& import)
{
    int polylines = 0, closed = 0, circles = 0, ellipses = 0, texts = 0;
    long long points = 0;
    auto count = [&](const CShape& shape) {
        if (const auto* p = dynamic_cast<const CPolylineShape*>(&shape))
        {
            ++polylines;
            closed += p->m_bClose ? 1 : 0;
            points += p->m_nCount;
        }
        else if (dynamic_cast<const CCircleShape*>(&shape))
            ++circles;
        else if (dynamic_cast<const CEllipseShape*>(&shape))
            ++ellipses;
        else
            ++texts;
    };
    ForEachShape(import.shapes, count);
    return {{"shapes", import.shapes.size()}, {"inserts", import.inserts.size()},
            {"polylines", polylines},         {"closedPolylines", closed},
            {"circles", circles},             {"ellipses", ellipses},
            {"texts", texts},                 {"points", points}};
}

nlohmann::ordered_json ExtentJson(const Extent& extent)
{
    if (extent.IsEmpty())
        return nullptr;
    return {extent.minX, extent.minY, extent.maxX, extent.maxY};
}
} // namespace

nlohmann::ordered_json ExplainImport(const std::string& path, const Import& import)
{
    return {{"file", path},
            {"importer", import.importer},
            {"result", import.result},
            {"accounting", nlohmann::ordered_json::array()},
            {"warnings", nlohmann::ordered_json::array()}};
}

FileFacts GatherFacts(const std::string& path, const std::string& importer,
                      const ImportSettings& settings)
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
    card["explain"] = ExplainImport(path, import);
    facts.importJson = ImportToJson(import);
    std::ostringstream svg;
    WriteSvg(svg, path, import);
    facts.svg = svg.str();
    // Last: thinning changes the import's points.
    const Thinning thinning = ThinToGrid(import, kThumbnailGridCells);
    card["thinning"] = {{"gridCells", kThumbnailGridCells},
                        {"pointsBefore", thinning.pointsBefore},
                        {"pointsAfter", thinning.pointsAfter}};
    card["thumbnail"] = ThumbnailSvg(import);
    return facts;
}
