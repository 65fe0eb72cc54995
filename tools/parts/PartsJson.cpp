#include "Parts.h"

namespace
{
using json = nlohmann::ordered_json;

json PointJson(const ContourPoint& p)
{
    return json::array({p.x, p.y});
}

json RingJson(const PartRing& ring, bool withPoints)
{
    json out = {{"pieces", ring.pieces},
                {"area", ring.area},
                {"perimeter", ring.perimeter},
                {"box", ring.box}};
    if (withPoints)
    {
        json points = json::array();
        for (const ContourPoint& p : ring.points)
            points.push_back(PointJson(p));
        out["points"] = std::move(points);
    }
    return out;
}

std::string Counted(size_t count, const char* one, const char* many)
{
    return std::to_string(count) + " " + (count == 1 ? one : many);
}
} // namespace

size_t PartsReport::Holes() const
{
    size_t holes = 0;
    for (const Part& part : parts)
        holes += part.holes.size();
    return holes;
}

size_t PartsReport::Marks() const
{
    size_t marks = 0;
    for (const Part& part : parts)
        marks += part.marks.size();
    return marks;
}

json PartsJson(const PartsReport& report, bool withPoints)
{
    json parts = json::array();
    for (const Part& part : report.parts)
    {
        json holes = json::array();
        double area = part.outline.area;
        for (const PartRing& hole : part.holes)
        {
            holes.push_back(RingJson(hole, withPoints));
            area -= hole.area;
        }
        parts.push_back({{"area", area},
                         {"outline", RingJson(part.outline, withPoints)},
                         {"holes", std::move(holes)},
                         {"marks", part.marks}});
    }
    json open = json::array();
    for (const OpenOutline& chain : report.open)
        open.push_back({{"pieces", chain.pieces},
                        {"gap", chain.gap},
                        {"ends", {PointJson(chain.ends[0]), PointJson(chain.ends[1])}}});
    json bridged = json::array();
    for (const Bridge& bridge : report.bridged)
        bridged.push_back({{"at", PointJson(bridge.at)}, {"gap", bridge.gap}});
    json problems = json::array();
    for (const PartProblem& problem : report.problems)
        problems.push_back({{"kind", problem.kind},
                            {"at", PointJson(problem.at)},
                            {"pieces", problem.pieces},
                            {"text", problem.text}});
    return {{"gapTolerance", report.gapTolerance},
            {"chordTolerance", report.chordTolerance},
            {"counts",
             {{"parts", report.parts.size()},
              {"holes", report.Holes()},
              {"marks", report.Marks()},
              {"loose", report.loose.size()},
              {"open", report.open.size()},
              {"bridged", report.bridged.size()},
              {"problems", report.problems.size()}}},
            {"parts", std::move(parts)},
            {"loose", report.loose},
            {"open", std::move(open)},
            {"bridged", std::move(bridged)},
            {"problems", std::move(problems)}};
}

std::string PartsLine(const PartsReport& report)
{
    return Counted(report.parts.size(), "part", "parts") + ", " +
           Counted(report.Holes(), "hole", "holes") + ", " +
           Counted(report.Marks(), "mark", "marks") + ", " + std::to_string(report.loose.size()) +
           " loose, " + Counted(report.problems.size(), "problem", "problems");
}
