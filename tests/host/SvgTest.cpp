#include <array>
#include <cstdlib>

#include <gtest/gtest.h>

#include "HostSupport.h"
#ifdef RIVEZ_HAVE_PNG
#include <png.h>
#endif

namespace
{
bool Succeeds(const std::string& command)
{
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

#ifdef RIVEZ_HAVE_PNG
// How many pixels are near each of the two line-class colours, red and blue.
std::array<int, 2> RedAndBlue(const std::string& path)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    png_image_begin_read_from_file(&image, path.c_str());
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
    png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr);
    std::array<int, 2> counts{};
    for (size_t i = 0; i + 2 < rgb.size(); i += 3)
    {
        counts[0] += rgb[i] > 150 && rgb[i + 1] < 110 && rgb[i + 2] < 110;
        counts[1] += rgb[i + 2] > 150 && rgb[i] < 110 && rgb[i + 1] < 150;
    }
    return counts;
}
#endif
} // namespace

TEST(HostSvg, ExamplesAreWellFormedAndRenderBothLineClasses)
{
    if (!Succeeds("command -v xmllint"))
        GTEST_SKIP() << "xmllint (libxml2-utils) is not installed";
    // The die example has both line classes, the bracket only the second.
    for (const auto& [arguments, red] :
         {std::pair{"--importer die " + kCarton, 100}, std::pair{kBracket, -1}})
    {
        TempFile svg("", ".svg"), png("", ".png");
        ASSERT_EQ(Rivez("--format svg -o " + svg.Path().string() + " " + arguments).status, 0);
        EXPECT_TRUE(Succeeds("xmllint --noout " + svg.Path().string())) << arguments;
#ifdef RIVEZ_HAVE_PNG
        if (!Succeeds("rsvg-convert -o " + png.Path().string() + " " + svg.Path().string()))
            continue;
        auto [reds, blues] = RedAndBlue(png.Path());
        EXPECT_GT(reds, red) << arguments;
        EXPECT_GT(blues, 100) << arguments;
#endif
    }
}

TEST(HostSvg, ArcsRunCounterClockwiseWithYUp)
{
    // An ARC from 90 to 0 degrees runs three quarters of a turn: the large arc, drawn in the
    // negative sense of the picture's downward y, from the circle's top to its right.
    TempFile dxf(Dxf("0 SECTION 2 ENTITIES 0 ARC 8 L 10 0 20 0 40 10 50 90 51 0 "
                     "0 LINE 8 L 10 -10 20 -10 11 10 21 10 0 ENDSEC 0 EOF"));
    EXPECT_NE(Rivez("--format svg " + dxf.Path().string())
                  .out.find("d=\"M524.000 24.000 A500.000 500.000 0 1 0 1024.000 524.000\""),
              std::string::npos);
    TempFile empty(Dxf("0 EOF"));
    EXPECT_NE(Rivez("--format svg " + empty.Path().string()).out.find("empty import"),
              std::string::npos);
}
