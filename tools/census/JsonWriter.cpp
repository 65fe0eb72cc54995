// --format explain-json: the object of docs/explain-json.md.
#include "Census.h"
#include "Reasons.h"

using nlohmann::ordered_json;

namespace
{
ordered_json Rows(const std::vector<AccountRow>& rows, std::map<std::string, std::string>& used)
{
    ordered_json list = ordered_json::array();
    for (const AccountRow& row : rows)
    {
        ordered_json dropped = ordered_json::object(), passedOver = ordered_json::object();
        for (const auto& [code, count] : row.dropped)
            dropped[code] = count;
        for (const auto& [code, count] : row.passedOver)
            passedOver[code] = count;
        for (const auto* reasons : {&row.dropped, &row.passedOver})
            for (const auto& [code, count] : *reasons)
                used[code] = ReasonFor(code).text;
        list.push_back({{"type", row.type},
                        {"inFile", row.inFile},
                        {"kept", row.kept},
                        {"dropped", dropped},
                        {"passedOver", passedOver},
                        {"unexplained", row.unexplained}});
    }
    return list;
}

ordered_json HoldingsJson(const Explanation& e)
{
    const Holdings& h = e.holds;
    if (e.importer == "plt")
        return {{"commands", h.commands}};
    ordered_json layers = ordered_json::array();
    for (const LayerEntry& layer : h.layers)
        layers.push_back({{"name", layer.name},
                          {"colour", layer.colour},
                          {"off", layer.off},
                          {"frozen", layer.frozen}});
    return {{"sections", h.sections},
            {"layerCount", h.layerCount},
            {"layers", layers},
            {"entities", h.entities},
            {"blocks", h.blocks},
            {"blockEntities", h.blockEntities},
            {"paperSpace", h.paperSpace},
            {"scaledInserts", h.scaledInserts},
            {"mirroredInserts", h.mirroredInserts},
            {"arrayedInserts", h.arrayedInserts},
            {"blocksWithInserts", h.blocksWithInserts},
            {"negativeExtrusion", h.negativeExtrusion}};
}

ordered_json OrNull(const std::string& text)
{
    return text.empty() ? ordered_json() : ordered_json(text);
}
} // namespace

ordered_json ExplanationJson(const Explanation& e)
{
    std::map<std::string, std::string> used;
    ordered_json json;
    json["file"] = e.file;
    json["importer"] = e.importer;
    json["result"] = e.result;
    json["kind"] = e.kind;
    json["kindDetail"] = e.kindDetail;
    const auto units = UnitsName(e);
    json["units"] = units ? ordered_json(*units) : ordered_json();
    json["version"] = OrNull(e.version);
    json["codePage"] = OrNull(e.codePage);
    json["holds"] = HoldingsJson(e);
    json["accounting"] = Rows(e.accounting, used);
    json["blockAccounting"] = Rows(e.blockAccounting, used);
    json["stoppedAt"] = e.stoppedAt ? ordered_json{{"line", e.stoppedAt->line},
                                                   {"code", e.stoppedAt->code},
                                                   {"reason", e.stoppedAt->text}}
                                    : ordered_json();
    ordered_json warnings = ordered_json::array();
    for (const CensusWarning& warning : e.warnings)
        warnings.push_back({{"code", warning.code}, {"text", warning.text}});
    json["warnings"] = warnings;
    json["reasons"] = used;
    // Further checks of the file (contours, ...) add their keys here, after these.
    return json;
}
