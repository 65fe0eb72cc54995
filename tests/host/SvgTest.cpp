#include <cstdlib>

#include <gtest/gtest.h>

#include "HostSupport.h"

static bool Succeeds(const std::string& command)
{
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

#ifdef RIVEZ_HAVE_PNG
#include <png.h>

// How many pixels are near each of the two line-class colours, red and blue.
static std::pair<int, int> RedAndBlue(const std::string& path)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    png_image_begin_read_from_file(&image, path.c_str());
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
    png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr);
    std::pair<int, int> counts{};
    for (size_t i = 0; i + 2 < rgb.size(); i += 3)
        counts = {counts.first + (rgb[i] > 150 && rgb[i + 1] < 110 && rgb[i + 2] < 110),
                  counts.second + (rgb[i + 2] > 150 && rgb[i] < 110 && rgb[i + 1] < 150)};
    return counts;
}
#endif

TEST(HostSvg, ExamplesAreWellFormedAndRenderBothLineClasses)
{
    if (!Succeeds("command -v xmllint && command -v rsvg-convert"))
        GTEST_SKIP() << "xmllint or rsvg-convert is not installed";
    // The die example draws both classes, each well beyond the legend's 900 pixels or so.
    for (const auto& [arguments, least] :
         {std::pair{"--importer die " + kCarton, 2000}, std::pair{kBracket, -1}})
    {
        TempFile svg("", ".svg"), png("", ".png");
        ASSERT_EQ(Rivez("--format svg -o " + svg.Path().string() + " " + arguments).status, 0);
        EXPECT_TRUE(Succeeds("xmllint --noout " + svg.Path().string())) << arguments;
#ifdef RIVEZ_HAVE_PNG
        ASSERT_TRUE(Succeeds("rsvg-convert -o " + png.Path().string() + " " + svg.Path().string()));
        auto [reds, blues] = RedAndBlue(png.Path());
        EXPECT_GT(reds, least) << arguments;
        EXPECT_GT(blues, least) << arguments;
#endif
    }
}

TEST(HostSvg, ArcsRunCounterClockwiseWithYUp)
{
    // ARC 90 to 0 degrees: three quarters, the large arc, negative sense of the picture's y.
    TempFile dxf(Dxf("0 SECTION 2 ENTITIES 0 ARC 8 L 10 0 20 0 40 10 50 90 51 0 "
                     "0 LINE 8 L 10 -10 20 -10 11 10 21 10 0 ENDSEC 0 EOF"));
    EXPECT_NE(Rivez("--format svg " + dxf.Path().string())
                  .out.find("d=\"M524.000 24.000 A500.000 500.000 0 1 0 1024.000 524.000\""),
              std::string::npos);
    TempFile empty(Dxf("0 EOF"));
    EXPECT_NE(Rivez("--format svg " + empty.Path().string()).out.find("empty import"),
              std::string::npos);
}

// The picture's size and the extent its legend states.
struct Framed
{
    double width, minX, minY, maxX, maxY;
};

static Framed FrameOf(const std::string& svg)
{
    std::smatch size, extent;
    EXPECT_TRUE(std::regex_search(svg, size, std::regex("<svg [^>]*width=\"([0-9.]+)\"")));
    EXPECT_TRUE(std::regex_search(
        svg, extent, std::regex("extent \\(([-0-9.e]+), ([-0-9.e]+)\\) to \\(([-0-9.e]+), "
                                "([-0-9.e]+)\\)")));
    if (size.empty() || extent.empty())
        return {};
    return {std::stod(size[1]), std::stod(extent[1]), std::stod(extent[2]), std::stod(extent[3]),
            std::stod(extent[4])};
}

TEST(HostSvg, FrameHoldsLongAndTurnedTexts)
{
    // A line of 10 units and a label of 40 characters, 5 high, along x; then the same turned
    // upright.
    const std::string label = "0 TEXT 8 L 10 0 20 0 40 5 1 " + std::string(40, 'W');
    TempFile along(Dxf("0 SECTION 2 ENTITIES 0 LINE 8 L 10 0 20 0 11 10 21 0 " + label +
                       " 0 ENDSEC 0 EOF"));
    Framed wide = FrameOf(Rivez("--format svg " + along.Path().string()).out);
    EXPECT_GE(wide.maxX, 100); // about 0.6 of the height a character
    EXPECT_GE(wide.maxY, 5);
    TempFile upright(Dxf("0 SECTION 2 ENTITIES 0 LINE 8 L 10 0 20 0 11 10 21 0 " + label +
                         " 50 90 0 ENDSEC 0 EOF"));
    Framed tall = FrameOf(Rivez("--format svg " + upright.Path().string()).out);
    EXPECT_GE(tall.maxY, 100);
    EXPECT_LE(tall.minX, -5);
}

TEST(HostSvg, LegendFitsAnEmptyPicture)
{
    TempFile empty(Dxf("0 EOF"));
    for (const std::string importer : {"dxf", "die"})
    {
        const std::string svg =
            Rivez("--format svg --importer " + importer + " " + empty.Path().string()).out;
        std::smatch size;
        ASSERT_TRUE(std::regex_search(svg, size, std::regex("<svg [^>]*width=\"([0-9.]+)\"")));
        // Every legend text, at 13 pixels, takes about 7 pixels a character.
        const std::regex text("<text x=\"([0-9.]+)\"[^>]*>([^<]*)</text>");
        for (std::sregex_iterator it(svg.begin(), svg.end(), text), end; it != end; ++it)
            EXPECT_LE(std::stod((*it)[1]) + 7.0 * (*it)[2].length(), std::stod(size[1]))
                << importer << ": " << (*it)[2];
    }
}

TEST(HostSvg, SeveralFilesGiveAPictureEachInTheDirectory)
{
    TempFile dir("", ".pictures"); // its path, made a directory by rivez
    std::filesystem::remove(dir.Path());
    const std::string pictures = dir.Path().string();
    // Two inputs of the same name keep their pictures apart.
    ASSERT_EQ(Rivez("--format svg -o " + pictures + " " + kBracket + " " + kBracket + " " +
                    kCarton + " --importer die")
                  .status,
              0);
    for (const char* name : {"bracket.svg", "bracket-2.svg", "carton.svg"})
    {
        const std::string svg = Slurp(dir.Path() / name);
        EXPECT_EQ(svg.rfind("<?xml", 0), 0u) << name;
        EXPECT_EQ(svg.find("<?xml", 1), std::string::npos) << name; // one document a file
    }
    std::filesystem::remove_all(dir.Path());
    // Without a directory several pictures would run into one stream that no viewer reads.
    RivezRun run = Rivez("--format svg " + kBracket + " " + kBracket);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("-o DIR"), std::string::npos) << run.err;
}
