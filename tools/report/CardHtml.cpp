#include "CardHtml.h"


#include "HtmlText.h"
#include "Problems.h"
#include "Reasons.h"

namespace
{
using json = nlohmann::ordered_json;

std::string Point(const json& point)
{
    if (!point.is_array() || point.size() != 2 || !point[0].is_number() || !point[1].is_number())
        return Html(point);
    return "(" + Html(point[0]) + ", " + Html(point[1]) + ")";
}

std::string Base64(const std::string& bytes)
{
    static const char digits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (size_t i = 0; i < bytes.size(); i += 3)
    {
        unsigned int chunk = static_cast<unsigned char>(bytes[i]) << 16;
        if (i + 1 < bytes.size())
            chunk |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        if (i + 2 < bytes.size())
            chunk |= static_cast<unsigned char>(bytes[i + 2]);
        out += digits[(chunk >> 18) & 63];
        out += digits[(chunk >> 12) & 63];
        out += i + 1 < bytes.size() ? digits[(chunk >> 6) & 63] : '=';
        out += i + 2 < bytes.size() ? digits[chunk & 63] : '=';
    }
    return out;
}

// "3 no layer name and no colour, 1 fewer than two points"
std::string ReasonCounts(const json& reasons)
{
    std::vector<std::string> parts;
    if (reasons.is_object())
        for (const auto& [reason, count] : reasons.items())
            parts.push_back(Html(count) + " " + Html(reason));
    return Join(parts, ", ");
}

void WritePicture(std::ostream& out, const Card& card, const std::string& name)
{
    if (!card.contains("thumbnail"))
    {
        out << "<div class=\"picture missing\">no picture</div>\n";
        return;
    }
    const std::string image = "<img class=\"thumb\" decoding=\"async\" alt=\"" + Html(name) +
                              "\" src=\"data:image/svg+xml;base64," +
                              Base64(card["thumbnail"].get<std::string>()) + "\"/>";
    if (card.contains("links") && card["links"].contains("svg"))
        out << "<a class=\"picture\" href=\"" << Html(card["links"]["svg"])
            << "\" target=\"_blank\" title=\"open the full drawing\">" << image << "</a>\n";
    else
        out << "<div class=\"picture\">" << image << "</div>\n";
}

void WriteCounts(std::ostream& out, const Card& card)
{
    if (!card.contains("counts"))
        return;
    const json& c = card["counts"];
    static const std::pair<const char*, const char*> kinds[] = {{"polylines", "polylines"},
                                                                {"circles", "circles and arcs"},
                                                                {"ellipses", "ellipses"},
                                                                {"texts", "texts"}};
    std::vector<std::string> parts;
    for (const auto& [key, words] : kinds)
        if (c.value(key, 0LL) > 0)
            parts.push_back(std::to_string(c.value(key, 0LL)) + " " + words);
    out << "<p class=\"counts\">" << Plural(c.value("shapes", 0LL), "shape", "shapes");
    if (!parts.empty())
        out << ": " << Join(parts, ", ");
    if (c.value("inserts", 0LL) > 0)
        out << "; " << Plural(c.value("inserts", 0LL), "insert", "inserts");
    out << "</p>\n";
    if (card.contains("thinning"))
    {
        const json& t = card["thinning"];
        const long long before = t.value("pointsBefore", 0LL), after = t.value("pointsAfter", 0LL);
        // Worth a word only where the thumbnail leaves out much of the drawing.
        if (2 * after < before)
            out << "<p class=\"note\">thumbnail: " << after << " of " << before
                << " points, snapped to a " << t.value("gridCells", 0) << "-cell grid</p>\n";
    }
}

void WriteExplain(std::ostream& out, const json& explain)
{
    if (explain.contains("stoppedAt") && explain["stoppedAt"].is_object() &&
        !ReadToItsEnd(explain["stoppedAt"].value("code", "")))
        out << "<p class=\"stopped-at\">Reading stopped at line "
            << Html(explain["stoppedAt"].value("line", json())) << ": "
            << Html(explain["stoppedAt"].value("reason", "")) << "</p>\n";
    if (explain.contains("warnings") && !explain["warnings"].empty())
    {
        out << "<ul class=\"warnings\">\n";
        for (const json& warning : explain["warnings"])
            out << "<li><code>" << Html(warning.value("code", "")) << "</code> "
                << Html(warning.value("text", "")) << "</li>\n";
        out << "</ul>\n";
    }
    if (!explain.contains("accounting") || explain["accounting"].empty())
        return;
    out << "<ul class=\"drops\">\n";
    for (const json& row : explain["accounting"])
    {
        const std::string dropped = ReasonCounts(row.value("dropped", json::object()));
        if (!dropped.empty())
            out << "<li>" << Html(row.value("type", "")) << " dropped: " << dropped << "</li>\n";
        if (row.value("unexplained", 0LL) != 0)
            out << "<li>" << Html(row.value("type", "")) << ": " << row.value("unexplained", 0LL)
                << " unexplained</li>\n";
    }
    out << "</ul>\n<details class=\"accounting\"><summary>every entity type</summary>\n"
        << "<table><tr><th>type</th><th>in file</th><th>kept</th><th>dropped</th>"
           "<th>passed over</th></tr>\n";
    for (const json& row : explain["accounting"])
        out << "<tr><td>" << Html(row.value("type", "")) << "</td><td>"
            << Html(row.value("inFile", json())) << "</td><td>" << Html(row.value("kept", json()))
            << "</td><td>" << ReasonCounts(row.value("dropped", json::object())) << "</td><td>"
            << ReasonCounts(row.value("passedOver", json::object())) << "</td></tr>\n";
    out << "</table>\n</details>\n";
}

// The contours line, then the open chains the card holds; nothing for a drawing without pieces.
void WriteContours(std::ostream& out, const json& contours)
{
    const json& open = contours.value("open", json::array());
    const size_t openCount = contours.value("openCount", open.size());
    const long long closed = contours.value("closed", 0LL);
    const long long loops = contours.value("loopsOfPieces", 0LL);
    if (closed == 0 && loops == 0 && openCount == 0)
        return;
    out << "<div class=\"contours\"><p>contours (ends meet within "
        << Html(contours.value("tolerance", json())) << "): " << closed << " closed, "
        << Plural(loops, "loop", "loops") << " of pieces, " << openCount << " open</p>\n";
    if (!open.empty())
    {
        out << "<ul class=\"open\">\n";
        for (const json& chain : open)
        {
            const json& ends = chain.value("ends", json::array());
            out << "<li>gap " << Html(chain.value("gap", json())) << " between "
                << (ends.size() == 2 ? Point(ends[0]) + " and " + Point(ends[1]) : Html(ends))
                << ", "
                << Plural(static_cast<long long>(chain.value("pieces", json::array()).size()),
                          "piece", "pieces")
                << "</li>\n";
        }
        if (openCount > open.size())
            out << "<li>and " << openCount - open.size() << " more</li>\n";
        out << "</ul>\n";
    }
    out << "</div>\n";
}

void WriteLinks(std::ostream& out, const Card& card)
{
    if (!card.contains("links"))
        return;
    static const std::pair<const char*, const char*> labels[] = {
        {"svg", "full drawing"}, {"json", "JSON"}, {"explain", "explanation"}};
    out << "<p class=\"links\">";
    const char* separator = "";
    for (const auto& [key, label] : labels)
        if (card["links"].contains(key))
        {
            out << separator << "<a href=\"" << Html(card["links"][key]) << "\" target=\"_blank\">"
                << label << "</a>";
            separator = " · ";
        }
    out << "</p>\n";
}

} // namespace

void WriteCard(std::ostream& out, const Card& card, size_t order)
{
    const std::string file = card.value("file", "");
    const size_t slash = file.find_last_of('/');
    const std::string name = slash == std::string::npos ? file : file.substr(slash + 1);
    const std::string folder = slash == std::string::npos ? "" : file.substr(0, slash + 1);
    const std::vector<std::string> problems = ProblemsOf(card);
    const long long shapes = card.contains("counts") ? card["counts"].value("shapes", 0LL) : -1;
    out << "<article class=\"card\" data-file=\"" << Html(file) << "\" data-problems=\""
        << Join(problems, " ") << "\" data-rank=\"" << RankOf(card) << "\" data-order=\"" << order
        << "\" data-shapes=\"" << shapes << "\" data-ended=\"" << (ReadToEnd(card) ? "yes" : "no")
        << "\">\n";
    WritePicture(out, card, name);
    out << "<div class=\"facts\">\n<h2 title=\"" << Html(file) << "\">" << Html(name)
        << "</h2>\n<p class=\"folder\">" << Html(folder) << "</p>\n<p class=\"tags\">";
    for (const std::string& code : problems)
        out << "<span class=\"tag " << code << "\">" << LabelOf(code) << "</span> ";
    if (problems.empty())
        out << "<span class=\"tag fine\">no problem found</span>";
    out << "</p>\n<p class=\"result\">" << Html(card.value("importer", "")) << " importer";
    if (card.contains("result"))
        out << ", result " << card["result"].get<int>();
    out << ": " << Html(ResultInWords(card)) << "</p>\n";
    WriteCounts(out, card);
    if (card.contains("explain"))
        WriteExplain(out, card["explain"]);
    if (card.contains("contours"))
        WriteContours(out, card["contours"]);
    WriteLinks(out, card);
    out << "</div>\n</article>\n";
}
