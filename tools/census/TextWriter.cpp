// --format explain: the explanation for people, a few lines per part.
#include <sstream>

#include "Census.h"
#include "Reasons.h"

namespace
{
const char* KindInWords(const Explanation& e)
{
    if (e.kind == "dxf-text")
        return "text DXF";
    if (e.kind == "dxf-binary")
        return "binary DXF";
    if (e.kind == "hpgl")
        return "HPGL plotter file";
    return "none of the kinds rivez reads";
}

std::string Counts(const std::map<std::string, long long>& counts)
{
    std::ostringstream line;
    for (const auto& [name, count] : counts)
        line << (line.tellp() > 0 ? ", " : "") << name << " " << count;
    return counts.empty() ? "none" : line.str();
}

std::string Join(const std::vector<std::string>& words)
{
    std::string text;
    for (const std::string& word : words)
        text += (text.empty() ? "" : ", ") + word;
    return text.empty() ? "none" : text;
}

void WriteFileLine(std::ostream& out, const Explanation& e)
{
    out << "  file: " << KindInWords(e);
    if (e.kind == "other")
        out << " (" << e.kindDetail << ")";
    if (!e.version.empty())
        out << ", version " << e.version;
    if (!e.codePage.empty())
        out << ", code page " << e.codePage;
    if (const auto units = UnitsName(e))
        out << ", units " << *units;
    if (e.measurement)
        out << ", measurement " << (*e.measurement == 0 ? "imperial" : "metric");
    out << "\n";
}

void WriteHoldings(std::ostream& out, const Explanation& e)
{
    const Holdings& h = e.holds;
    if (e.importer == "plt")
        return; // the rows below count the commands
    out << "  sections: " << Join(h.sections) << "\n";
    out << "  layers: " << h.layerCount;
    for (size_t i = 0; i < h.layers.size(); ++i)
    {
        const LayerEntry& layer = h.layers[i];
        out << (i ? ", " : " (") << layer.name << " colour " << (layer.off ? -layer.colour : layer.colour)
            << (layer.off ? " off" : "") << (layer.frozen ? " frozen" : "");
    }
    out << (h.layers.empty() ? "" : h.layerCount > static_cast<long long>(h.layers.size()) ? ", ...)" : ")")
        << "\n";
    out << "  entities: " << Counts(h.entities) << "\n";
    if (h.blocks)
        out << "  blocks: " << h.blocks
            << (h.blockEntities.empty() ? ", all empty" : " holding " + Counts(h.blockEntities))
            << "\n";
    std::ostringstream notes;
    const auto note = [&notes](long long count, const char* what) {
        if (count)
            notes << (notes.tellp() > 0 ? "; " : "") << count << " " << what;
    };
    note(h.paperSpace, "in paper space");
    note(h.scaledInserts, "INSERTs scaled");
    note(h.mirroredInserts, "INSERTs mirrored");
    note(h.arrayedInserts, "INSERTs arrayed");
    note(h.blocksWithInserts, "blocks holding INSERTs");
    note(h.negativeExtrusion, "curves with extrusion z < 0");
    if (notes.tellp() > 0)
        out << "  of note: " << notes.str() << "\n";
}

void WriteReasons(std::ostream& out, const std::map<std::string, long long>& reasons,
                  const char* verb)
{
    for (const auto& [code, count] : reasons)
        out << ", " << count << " " << verb << " (" << ReasonFor(code).text << ")";
}

void WriteRows(std::ostream& out, const std::vector<AccountRow>& rows)
{
    for (const AccountRow& row : rows)
    {
        out << "    " << row.type << ": " << row.inFile << " in the file, " << row.kept
            << " kept";
        WriteReasons(out, row.dropped, "dropped");
        WriteReasons(out, row.passedOver, "passed over");
        if (row.unexplained)
            out << ", unexplained " << row.unexplained;
        out << "\n";
    }
}
} // namespace

void WriteExplanation(std::ostream& out, const Explanation& e)
{
    out << e.file << ": " << e.importer << " importer, result " << e.result << "\n";
    WriteFileLine(out, e);
    WriteHoldings(out, e);
    out << "  what the " << e.importer << " importer did"
        << (e.importer == "plt" ? ", by command:\n" : " with the ENTITIES section:\n");
    if (e.accounting.empty())
        out << "    nothing to read\n";
    WriteRows(out, e.accounting);
    if (!e.blockAccounting.empty())
    {
        out << "  inside block definitions:\n";
        WriteRows(out, e.blockAccounting);
    }
    if (e.stoppedAt && ReadToItsEnd(e.stoppedAt->code))
        out << "  read to its end (line " << e.stoppedAt->line << "); result " << e.result
            << ": " << e.stoppedAt->text << "\n";
    else if (e.stoppedAt)
        out << "  stopped at line " << e.stoppedAt->line << ": " << e.stoppedAt->text << "\n";
    for (const CensusWarning& warning : e.warnings)
        out << "  warning (" << warning.code << "): " << warning.text << "\n";
}
