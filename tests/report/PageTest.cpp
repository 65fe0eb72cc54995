// The page as written for crafted cards: what each card says, in which order, and how safely.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "Page.h"

namespace
{
using json = nlohmann::ordered_json;

Card ReadCard(const std::string& file, int result, int shapes)
{
    return {{"file", file},
            {"importer", "dxf"},
            {"outcome", "read"},
            {"result", result},
            {"counts", {{"shapes", shapes}, {"inserts", 0}, {"polylines", shapes}}},
            {"thumbnail", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"10\"/>"},
            {"explain", {{"accounting", json::array()}, {"warnings", json::array()}}}};
}

std::string Page(const std::vector<Card>& cards)
{
    std::ostringstream out;
    WritePage(out, {"drawings", {{".hp", 20}}}, cards);
    return out.str();
}

// The data-file of every card, in page order.
std::vector<std::string> CardFiles(const std::string& page)
{
    std::vector<std::string> files;
    const std::regex card(
        "<article class=\"card\" data-file=\"([^\"]*)\" data-problems=\"([^\"]*)\"");
    for (auto it = std::sregex_iterator(page.begin(), page.end(), card);
         it != std::sregex_iterator(); ++it)
        files.push_back((*it)[1].str() + " [" + (*it)[2].str() + "]");
    return files;
}
} // namespace

TEST(Page, CardsWithTheMostSeriousProblemsComeFirstAndTheHeaderCountsThem)
{
    Card warned = ReadCard("w.dxf", 1, 3);
    warned["explain"]["warnings"] = {{{"code", "units-not-mm"}, {"text", "inches"}}};
    Card crashed = {{"file", "c.dxf"},
                    {"importer", "dxf"},
                    {"outcome", "failed"},
                    {"failure", "the import crashed"}};
    const std::string page =
        Page({ReadCard("fine.dxf", 1, 2), warned, ReadCard("cut.dxf", 0, 0), crashed});
    const std::vector<std::string> expected = {"c.dxf [failed]", "cut.dxf [stopped empty]",
                                               "w.dxf [warnings]", "fine.dxf []"};
    EXPECT_EQ(CardFiles(page), expected);
    EXPECT_NE(page.find(">4 drawings<"), std::string::npos);
    EXPECT_NE(page.find(">2 read to their end<"), std::string::npos);
    EXPECT_NE(page.find(">1 stopped early<"), std::string::npos);
    EXPECT_NE(page.find(">1 with warnings<"), std::string::npos);
    EXPECT_NE(page.find("dxf importer: the import crashed"), std::string::npos);
    EXPECT_NE(page.find("not drawings by their extension: .hp 20"), std::string::npos);
}

TEST(Page, ExplanationAndContoursAreShownInWords)
{
    Card card = ReadCard("parts.dxf", 0, 5);
    card["explain"] = {
        {"accounting",
         {{{"type", "SPLINE"},
           {"inFile", 4},
           {"kept", 1},
           {"dropped", {{"no layer name and no colour", 3}}},
           {"passedOver", json::object()},
           {"unexplained", 0}},
          {{"type", "MTEXT"},
           {"inFile", 61},
           {"kept", 0},
           {"dropped", json::object()},
           {"passedOver", {{"a type this importer does not read", 61}}},
           {"unexplained", 0}}}},
        {"stoppedAt", {{"line", 120}, {"reason", "end of file inside an entity"}}},
        {"warnings", {{{"code", "paper-space"}, {"text", "paper-space entities are read"}}}}};
    card["contours"] = {
        {"tolerance", 0.01},
        {"closed", 35},
        {"loopsOfPieces", 2},
        {"open", {{{"pieces", {3, 4}}, {"gap", 0.3}, {"ends", {{120.5, 40}, {120.8, 40}}}}}},
        {"openCount", 3}};
    const std::string page = Page({card});
    EXPECT_EQ(CardFiles(page),
              std::vector<std::string>{"parts.dxf [stopped drops open warnings passed-over]"});
    for (const char* text : {"SPLINE dropped: 3 no layer name and no colour",
                             "<td>MTEXT</td><td>61</td><td>0</td><td></td><td>61 a type this "
                             "importer does not read</td>",
                             "Reading stopped at line 120: end of file inside an entity",
                             "<code>paper-space</code> paper-space entities are read",
                             "contours (ends meet within 0.01): 35 closed, 2 loops of pieces, 3 open",
                             "and 2 more",
                             "gap 0.3 between (120.5, 40) and (120.8, 40), 2 pieces"})
        EXPECT_NE(page.find(text), std::string::npos) << text;
}

TEST(Page, FileNamesAreEscapedAndBadBytesReplaced)
{
    const std::string page = Page({ReadCard("a<b>&\"c\xff.dxf", 1, 1)});
    EXPECT_EQ(CardFiles(page), std::vector<std::string>{"a&lt;b&gt;&amp;&quot;c\xC3\xBF.dxf []"});
    EXPECT_EQ(page.find("c\xff"), std::string::npos);
}
