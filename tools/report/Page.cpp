#include "Page.h"

#include <algorithm>
#include <numeric>

#include "CardHtml.h"
#include "HtmlText.h"
#include "PageAssets.h"
#include "Problems.h"

namespace
{
void WriteHeader(std::ostream& out, const PageHeading& heading, const std::vector<Card>& cards)
{
    out << "<header>\n<h1>" << Html(heading.title) << "</h1>\n<p class=\"totals\">"
        << "<button type=\"button\" data-filter=\"all\">"
        << Plural(static_cast<long long>(cards.size()), "drawing", "drawings") << "</button>";
    const long long ended = std::count_if(cards.begin(), cards.end(), ReadToEnd);
    out << "<button type=\"button\" data-filter=\"ended\">" << ended
        << " read to their end</button>";
    for (const ProblemKind& kind : ProblemKinds())
    {
        const long long count = std::count_if(cards.begin(), cards.end(), kind.applies);
        out << "<button type=\"button\" class=\"" << kind.code << "\" data-filter=\"" << kind.code
            << "\"" << (count == 0 ? " disabled=\"disabled\"" : "") << ">" << count << " "
            << kind.label << "</button>";
    }
    out << "</p>\n<div class=\"controls\">\n"
        << "<label>show <select id=\"filter\"><option value=\"all\">every drawing</option>"
        << "<option value=\"problems\">with any problem</option>"
        << "<option value=\"fine\">without problems</option>"
        << "<option value=\"ended\">read to their end</option>";
    for (const ProblemKind& kind : ProblemKinds())
        out << "<option value=\"" << kind.code << "\">" << kind.label << "</option>";
    out << "</select></label>\n<label>sort <select id=\"sort\">"
        << "<option value=\"rank\">problems first</option>"
        << "<option value=\"file\">by file name</option>"
        << "<option value=\"shapes\">most shapes first</option></select></label>\n"
        << "<label>file name <input id=\"search\" type=\"search\" placeholder=\"part of the "
           "path\"/>"
        << "</label>\n<output id=\"shown\"></output>\n</div>\n"
        << "<p class=\"legend\"><span class=\"line0\">line class 0</span> "
           "<span class=\"line1\">line class 1</span> (for die layouts: cutting, creasing). "
           "Thumbnails draw lines snapped to a pixel grid; click one for the full drawing.</p>\n";
    if (!heading.skippedByExtension.empty())
    {
        std::vector<std::string> parts;
        for (const auto& [extension, count] : heading.skippedByExtension)
            parts.push_back(Html(extension) + " " + std::to_string(count));
        out << "<p class=\"skipped\">Left out of the folders, not drawings by their extension: "
            << Join(parts, ", ") << ".</p>\n";
    }
    out << "</header>\n";
}
} // namespace

void WritePage(std::ostream& out, const PageHeading& heading, const std::vector<Card>& cards)
{
    std::vector<size_t> order(cards.size());
    std::iota(order.begin(), order.end(), 0);
    std::vector<size_t> ranks;
    for (const Card& card : cards)
        ranks.push_back(RankOf(card));
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return ranks[a] < ranks[b]; });

    out << "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"en\">\n<head>\n"
        << "<meta charset=\"utf-8\"/>\n<meta name=\"viewport\" content=\"width=device-width\"/>\n"
        << "<title>" << Html(heading.title) << "</title>\n"
        << "<style>/*<![CDATA[*/\n"
        << kPageCss << "/*]]>*/</style>\n</head>\n<body>\n";
    WriteHeader(out, heading, cards);
    out << "<main id=\"cards\">\n";
    for (size_t i = 0; i < order.size(); ++i)
        WriteCard(out, cards[order[i]], i);
    out << "</main>\n<script>//<![CDATA[\n" << kPageJs << "//]]></script>\n</body>\n</html>\n";
}
