#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>

#include <gtest/gtest.h>

#include "HostSupport.h"
#include "support/TempFile.h"
#ifdef RIVEZ_HAVE_PNG
#include <png.h>
#endif

namespace
{
bool Have(const char* program)
{
    return std::system((std::string("command -v ") + program + " >/dev/null 2>&1").c_str()) == 0;
}

#ifdef RIVEZ_HAVE_PNG
// How many pixels are near each colour: the two line-class colours and anything not white.
struct Pixels
{
    int red = 0, blue = 0, inked = 0;
};

Pixels CountPixels(const std::string& path)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    Pixels counts;
    if (!png_image_begin_read_from_file(&image, path.c_str()))
        return counts;
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
    png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr);
    for (size_t i = 0; i + 2 < rgb.size(); i += 3)
    {
        int r = rgb[i], g = rgb[i + 1], b = rgb[i + 2];
        counts.inked += r + g + b < 600;
        counts.red += r > 150 && g < 110 && b < 110;
        counts.blue += b > 150 && r < 110 && g < 150;
    }
    return counts;
}
#endif
} // namespace

TEST(HostSvg, ExamplesAreWellFormedAndRenderBothLineClasses)
{
    if (!Have("xmllint"))
        GTEST_SKIP() << "xmllint (libxml2-utils) is not installed";
    const std::string dir = RIVEZ_EXAMPLES;
    const std::pair<std::string, bool> examples[] = {
        {"--importer die " + dir + "/die/carton.dxf", true}, {dir + "/bracket.dxf", false}};
    for (const auto& [arguments, bothClasses] : examples)
    {
        TempFile svg("", ".svg"), png("", ".png");
        ASSERT_EQ(Rivez("--format svg -o " + svg.Path().string() + " " + arguments).status, 0);
        EXPECT_EQ(std::system(("xmllint --noout " + svg.Path().string()).c_str()), 0) << arguments;
#ifdef RIVEZ_HAVE_PNG
        if (!Have("rsvg-convert"))
            continue;
        ASSERT_EQ(
            std::system(
                ("rsvg-convert -o " + png.Path().string() + " " + svg.Path().string()).c_str()),
            0);
        Pixels pixels = CountPixels(png.Path().string());
        EXPECT_GT(pixels.inked, 1000) << arguments;
        EXPECT_GT(pixels.blue, 100) << arguments;
        if (bothClasses)
        {
            EXPECT_GT(pixels.red, 100) << arguments;
        }
#endif
    }
}

TEST(HostSvg, ArcsRunCounterClockwiseWithYUp)
{
    // An ARC from 90 to 0 degrees runs three quarters of a turn: the large arc, drawn in the
    // negative sense of the picture's downward y.
    TempFile dxf(Pairs({"0",  "SECTION", "2",  "ENTITIES", "0",      "ARC", "8",  "L",   "10",
                        "0",  "20",      "0",  "40",       "10",     "50",  "90", "51",  "0",
                        "0",  "LINE",    "8",  "L",        "10",     "-10", "20", "-10", "11",
                        "10", "21",      "10", "0",        "ENDSEC", "0",   "EOF"}));
    RivezRun run = Rivez("--format svg " + dxf.Path().string());
    std::smatch arc;
    ASSERT_TRUE(std::regex_search(run.out, arc,
                                  std::regex("M([-0-9.]+) ([-0-9.]+) A[-0-9.]+ [-0-9.]+ 0 ([01]) "
                                             "([01]) ([-0-9.]+) ([-0-9.]+)")));
    EXPECT_EQ(arc[3], "1");
    EXPECT_EQ(arc[4], "0");
    // Start at the top of the circle, end at its right: smaller picture y is higher up.
    EXPECT_NEAR(std::stod(arc[1]), 524, 0.01);
    EXPECT_NEAR(std::stod(arc[2]), 24, 0.01);
    EXPECT_NEAR(std::stod(arc[5]), 1024, 0.01);
    EXPECT_NEAR(std::stod(arc[6]), 524, 0.01);

    TempFile empty(Pairs({"0", "EOF"}));
    RivezRun nothing = Rivez("--format svg " + empty.Path().string());
    EXPECT_NE(nothing.out.find("empty import"), std::string::npos);
}
