#include "Summary.h"

#include <map>
#include <sstream>

#include "Beside.h"
#include "Census.h"
#include "Contours.h"
#include "Geometry.h"
#include "Pieces.h"
#include "ShapeCounts.h"
#include "ShapeTally.h"

namespace
{
std::string Join(const std::vector<CString>& names)
{
    std::string text;
    for (const CString& name : names)
        text += (text.empty() ? "" : ", ") + RvzUtf8FromWide(name);
    return text;
}

std::string ShapeLine(const ShapeCounts& c)
{
    std::ostringstream line;
    line << c.Total() << " (polylines " << c.polylines << "; circles and arcs " << c.circles;
    if (c.ellipses)
        line << "; ellipses " << c.ellipses;
    line << "; texts " << c.texts << ")";
    return line.str();
}

std::string LineClassLine(const ShapeCounts& c)
{
    std::ostringstream line;
    for (const auto& [lineClass, count] : c.byLineClass)
        line << (line.tellp() > 0 ? ", " : "") << "class " << lineClass << ": " << count;
    return c.byLineClass.empty() ? "none" : line.str();
}
const char* ResultInWords(const Import& import)
{
    if (import.importer == "plt")
        return "the plotter reader answers 0 whenever it has read its file";
    return import.result == 1 ? "read to its end"
                              : "stopped early: the file ends or breaks off before its end marker";
}
// How many entities the importer did not keep, and the command that tells why.
std::string NotKeptLine(const std::string& path, const Import& import,
                        const Explanation& explanation)
{
    const CensusTotals totals = TotalsOf(explanation);
    if (totals.dropped + totals.passedOver + totals.unexplained == 0)
        return "none";
    std::ostringstream line;
    line << totals.dropped << " dropped, " << totals.passedOver << " passed over; "
         << "rivez --format explain"
         << (ImporterForPath(path) == import.importer ? "" : " --importer " + import.importer)
         << " " << path << " tells why";
    return line.str();
}
// Parts cost several times the import on a large drawing, so the summary builds them only up to
// this many shapes and otherwise names the command that does.
constexpr std::size_t kSummaryPartsShapeLimit = 10000;

std::string SummaryPartsLine(const std::string& path, const Import& import,
                             const PartsOptions& options)
{
    if (!PartsAvailable())
        return "not built: this build of rivez has no GEOS";
    const std::size_t shapes = import.shapes.size() + import.inserts.size();
    if (shapes <= kSummaryPartsShapeLimit)
        return PartsLine(BuildParts(import, options));
    return "not built for " + std::to_string(shapes) + " shapes; rivez --format parts" +
           (ImporterForPath(path) == import.importer ? "" : " --importer " + import.importer) +
           " " + path + " builds them";
}
} // namespace

void WriteSummary(std::ostream& out, const std::string& path, const Import& import,
                  FileCensus& census, const PartsOptions& options)
{
    // The contour check's pieces are collected on both cores. The rest of the check then runs
    // on this one, which made the pieces and reuses their memory, while the second counts the
    // shapes, finds their extent and sets the census against the import; this one helps with
    // the shapes once the check is done.
    SortedPieces pieces = CollectPieces(import, options.gapTolerance);
    ShapeTally tally(import);
    auto notKept = Beside(
        [&]
        {
            tally.Take();
            return NotKeptLine(path, import, census.Explain(import));
        });
    const std::string contourLine =
        ContourLine(CheckContours(std::move(pieces), ContourDetail::Line));
    tally.Take();
    const std::string notKeptLine = notKept.get();
    const ShapeTotals totals = tally.Totals();
    const ShapeCounts &shapes = totals.shapes, &inserted = totals.inserted;
    const Extent& extent = totals.extent;

    out << path << ": " << import.importer << " importer, result " << import.result << " ("
        << ResultInWords(import) << ")\n";
    out << "  shapes: " << ShapeLine(shapes) << "\n";
    out << "  line classes: " << LineClassLine(shapes) << "\n";
    out << "  contours: " << contourLine << "\n";
    out << "  parts: " << SummaryPartsLine(path, import, options) << "\n";
    if (import.importer == "dxf")
    {
        out << "  inserts: " << import.inserts.size();
        if (!import.inserts.empty())
            out << " holding " << ShapeLine(inserted);
        out << "\n  layers: " << import.layers.size();
        if (!import.layers.empty())
            out << " (" << Join(import.layers) << ")";
        out << "\n";
    }
    else if (import.importer == "die")
        out << "  layers: colour 1 [" << Join(import.color1) << "], colour 7 ["
            << Join(import.color7) << "]\n";
    else if (import.pen)
        out << "  pen: " << import.pen->number << " at (" << WithoutMinusZero(import.pen->x) << ", "
            << WithoutMinusZero(import.pen->y) << "), draw state " << import.pen->drawState << "\n";
    out << "  not kept: " << notKeptLine << "\n";
    out << "  extent: ";
    if (extent.IsEmpty())
        out << "empty\n";
    else
        out << CornersText(extent) << ", " << extent.maxX - extent.minX << " x "
            << extent.maxY - extent.minY << "\n";
}
