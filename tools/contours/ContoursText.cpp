#include <algorithm>
#include <sstream>

#include "Contours.h"

namespace
{
nlohmann::ordered_json PointJson(const ContourPoint& p)
{
    return {p.x, p.y};
}

std::string PointText(const ContourPoint& p)
{
    std::ostringstream text;
    text << "(" << p.x << ", " << p.y << ")";
    return text.str();
}

// The insert a piece belongs to, -1 for the import's own shapes, and its number there.
std::pair<int, int> PieceOwner(const ContourReport& report, int number)
{
    const auto& first = report.firstInsertPiece;
    const auto after = std::upper_bound(first.begin(), first.end(), number);
    if (after == first.begin())
        return {-1, number};
    return {static_cast<int>(after - 1 - first.begin()), number - *(after - 1)};
}

// "shapes 2, 1, insert 0 shapes 3, 4"
std::string PieceList(const ContourReport& report, const std::vector<int>& pieces)
{
    std::string text;
    int owner = -2;
    for (size_t i = 0; i < pieces.size(); ++i)
    {
        const auto [insert, shape] = PieceOwner(report, pieces[i]);
        if (insert != owner)
        {
            if (!text.empty())
                text += ", ";
            if (insert >= 0)
                text += "insert " + std::to_string(insert) + " ";
            const bool several =
                i + 1 < pieces.size() && PieceOwner(report, pieces[i + 1]).first == insert;
            text += several ? "shapes " : "shape ";
            owner = insert;
        }
        else
            text += ", ";
        text += std::to_string(shape);
    }
    return text;
}

std::string Plural(size_t count, const char* one, const char* many)
{
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

// The end whose nearest free end is nearest: most likely the gap someone meant to close.
const ContourEnd* LikeliestGap(const ContourReport& report)
{
    const ContourEnd* likeliest = nullptr;
    for (const OpenContour& chain : report.open)
        for (const ContourEnd& end : chain.ends)
            if (end.nearest && (!likeliest || end.nearestDistance < likeliest->nearestDistance))
                likeliest = &end;
    return likeliest;
}
} // namespace

nlohmann::ordered_json ContoursJson(const ContourReport& report)
{
    nlohmann::ordered_json open = nlohmann::ordered_json::array();
    for (const OpenContour& chain : report.open)
    {
        nlohmann::ordered_json nearest = nlohmann::ordered_json::array();
        for (const ContourEnd& end : chain.ends)
            nearest.push_back(end.nearest
                                  ? nlohmann::ordered_json{{"end", PointJson(*end.nearest)},
                                                           {"distance", end.nearestDistance}}
                                  : nlohmann::ordered_json());
        open.push_back({{"pieces", chain.pieces},
                        {"gap", chain.gap},
                        {"ends", {PointJson(chain.ends[0].at), PointJson(chain.ends[1].at)}},
                        {"nearest", nearest}});
    }
    return {{"tolerance", report.tolerance},
            {"closed", report.closed},
            {"loopsOfPieces", report.loopsOfPieces},
            {"open", open}};
}

std::string ContourLine(const ContourReport& report)
{
    std::ostringstream line;
    line << report.closed << " closed, "
         << Plural(report.loopsOfPieces, "loop of pieces", "loops of pieces") << ", "
         << report.open.size() << " open";
    if (const ContourEnd* gap = LikeliestGap(report))
        line << " (" << (report.open.size() == 1 ? "gap " : "smallest gap ") << gap->nearestDistance
             << " at " << PointText(gap->at) << ")";
    else if (!report.open.empty())
        line << " (gap " << report.open[0].gap << " at " << PointText(report.open[0].ends[0].at)
             << ")";
    return line.str();
}

void WriteContours(std::ostream& out, const ContourReport& report)
{
    out << "contours: " << ContourLine(report) << "; ends meet within " << report.tolerance << "\n";
    for (const JoinedLoops& joined : report.joined)
        out << "  " << (joined.loops == 1 ? "loop" : Plural(joined.loops, "loop", "loops"))
            << " of " << Plural(joined.pieces.size(), "piece", "pieces") << ": "
            << PieceList(report, joined.pieces) << "\n";
    for (const OpenContour& chain : report.open)
    {
        out << "  open, " << Plural(chain.pieces.size(), "piece", "pieces") << ": "
            << PieceList(report, chain.pieces) << "; gap " << chain.gap << "\n";
        for (const ContourEnd& end : chain.ends)
        {
            out << "    end " << PointText(end.at) << ": ";
            if (!end.free)
                out << "meets other pieces\n";
            else if (end.nearest)
                out << "nearest free end " << PointText(*end.nearest) << " at "
                    << end.nearestDistance << "\n";
            else
                out << "free, no other free end\n";
        }
    }
}

std::vector<ContourPoint> FreeEnds(const ContourReport& report)
{
    std::vector<ContourPoint> ends;
    for (const OpenContour& chain : report.open)
        for (const ContourEnd& end : chain.ends)
            if (end.free)
                ends.push_back(end.at);
    return ends;
}
