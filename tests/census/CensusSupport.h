#pragma once
// A file read by an importer and explained by the census, as rivez does it.
#include <string>

#include "Census.h"

inline Explanation ExplainFile(const std::string& path, const std::string& importer,
                               const ImportSettings& settings = {})
{
    Import import;
    RunImport(importer, path, settings, import);
    return Explain(path, importer, settings, import);
}

// The accounting in one line per row: "LINE 2: kept 1, no-layer-or-colour 1".
inline std::string RowsInBrief(const std::vector<AccountRow>& rows)
{
    std::string text;
    for (const AccountRow& row : rows)
    {
        text += row.type + " " + std::to_string(row.inFile) + ": kept " + std::to_string(row.kept);
        for (const auto* reasons : {&row.dropped, &row.passedOver})
            for (const auto& [code, count] : *reasons)
                text += ", " + code + " " + std::to_string(count);
        if (row.unexplained)
            text += ", unexplained " + std::to_string(row.unexplained);
        text += "\n";
    }
    return text;
}

inline std::string WarningCodes(const Explanation& explanation)
{
    std::string codes;
    for (const CensusWarning& warning : explanation.warnings)
        codes += (codes.empty() ? "" : " ") + warning.code;
    return codes;
}
