#include "Warnings.h"

#include <clocale>

#include "Reasons.h"

void Warn(Explanation& out, const std::string& code, const std::string& detail1,
          const std::string& detail2)
{
    out.warnings.push_back({code, ReasonText(code, detail1, detail2)});
}

void DxfWarnings(Explanation& out, const DxfHoldings& holdings, const PairStream& stream)
{
    const Holdings& h = out.holds;
    if (out.insUnits && *out.insUnits != 0 && *out.insUnits != 4)
        Warn(out, "units-not-mm", *UnitsName(out) + " ($INSUNITS " + std::to_string(*out.insUnits) + ")");
    else if (out.measurement && *out.measurement == 0)
        Warn(out, "units-likely-inches", out.insUnits ? "$INSUNITS 0" : "no $INSUNITS");
    if (holdings.PaperSpaceRead())
        Warn(out, "paper-space", std::to_string(holdings.PaperSpaceRead()));
    if (out.importer == "dxf" && holdings.InsertsAskingMore())
        Warn(out, "insert-not-applied", std::to_string(holdings.InsertsAskingMore()),
             std::to_string(h.scaledInserts) + " scaled, " + std::to_string(h.mirroredInserts) +
                 " mirrored, " + std::to_string(h.arrayedInserts) + " arrayed");
    if (out.importer == "dxf" && h.blocksWithInserts)
        Warn(out, "nested-blocks", std::to_string(h.blocksWithInserts));
    if (holdings.MirroredRead())
        Warn(out, "extrusion-mirrored", std::to_string(holdings.MirroredRead()));
    if (stream.FirstLongLine())
        Warn(out, "long-line", std::to_string(*stream.FirstLongLine()),
             std::to_string(stream.Limit()));
}

void PltWarnings(Explanation& out, const Tally& commands)
{
    const auto count = [&commands](const char* mnemonic) {
        auto it = commands.Rows().find(mnemonic);
        return it == commands.Rows().end() ? 0 : Accounted(it->second);
    };
    if (const long long scaling = count("IP") + count("SC"))
        Warn(out, "plt-scaling-ignored", std::to_string(scaling));
    if (const long long encoded = count("PE"))
        Warn(out, "plt-pe-ignored", std::to_string(encoded));
    for (const char* arc : {"AA", "AR"})
    {
        auto it = commands.Rows().find(arc);
        if (it != commands.Rows().end() && it->second.kept > 0)
        {
            Warn(out, "plt-arc-centre");
            break;
        }
    }
}

void KindWarnings(Explanation& out)
{
    const bool dxfReader = out.importer != "plt";
    if (out.kind == "dxf-binary")
        Warn(out, "binary-dxf");
    else if (out.kind == "other" || (dxfReader && out.kind == "hpgl") ||
             (!dxfReader && out.kind != "hpgl"))
        Warn(out, "not-a-drawing", out.kindDetail);
    if (!out.stoppedAt)
        return;
    if (out.kind == "dxf-binary" && dxfReader)
        out.stoppedAt->text = ReasonText(out.stoppedAt->code = "stop-binary");
    else if (out.kind == "other" || (dxfReader && out.kind == "hpgl"))
        out.stoppedAt->text =
            ReasonText(out.stoppedAt->code = "stop-not-a-drawing", out.kindDetail);
}

void LocaleWarning(Explanation& out)
{
    const char* point = std::localeconv()->decimal_point;
    if (point && point[0] == ',')
    {
        const char* name = std::setlocale(LC_NUMERIC, nullptr);
        Warn(out, "decimal-comma-locale", name ? name : "of this process");
    }
}

