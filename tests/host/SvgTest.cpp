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
