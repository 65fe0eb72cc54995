// Files that are damaged, hostile or no drawing at all get the importer's defined result.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "ReadAs.h"
#include "support/TempFile.h"

namespace
{
std::string InEntities(const std::string& entities)
{
    return Pairs({"0", "SECTION", "2", "ENTITIES"}) + entities + Pairs({"0", "ENDSEC", "0", "EOF"});
}

std::string RandomBytes()
{
    std::mt19937 random(20261206);
    std::string bytes(1 << 16, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random());
    return bytes;
}

std::string WithNuls()
{
    std::string text = InEntities(Pairs({"0", "LINE", "8", "0", "10", "1", "20", "2", "11", "3"}));
    for (size_t at = 3; at < text.size(); at += 7)
        text[at] = '\0';
    return text;
}

// The binary form: a sentinel line, then one-byte codes and NUL-terminated values.
const char kBinaryDxf[] = "Binary DXF\r\n\x1a\0\0SECTION\0\x02" "ENTITIES\0\0LINE\0\x08" "0\0\x7f\x7f";

const int kEither = -1; // the sanitizers judge these: any defined result will do
const struct
{
    const char* what;
    std::string content;
    int result;
} kNoDrawings[] = {
    {"empty", "", 0},
    {"a 10 MB line", std::string(10 << 20, '7'), 0},
    {"only separators", ";;;\n\n ;\r\n;;\t;", 0},
    {"random bytes", RandomBytes(), kEither},
    {"binary DXF", std::string(kBinaryDxf, sizeof kBinaryDxf - 1), kEither},
    {"NUL bytes", WithNuls(), kEither},
};

class BadFile : public testing::TestWithParam<Way>
{
};

TEST_P(BadFile, NoDrawingGivesTheDefinedResult)
{
    EXPECT_FALSE(ReadAs(GetParam(), std::filesystem::temp_directory_path()).opened);
    EXPECT_FALSE(ReadAs(GetParam(), "/nonexistent/rivez/drawing.dxf").opened);
    for (const auto& file : kNoDrawings)
    {
        TempFile temp(file.content);
        const Outcome outcome = ReadAs(GetParam(), temp.Path());
        EXPECT_TRUE(outcome.opened) << file.what;
        if (file.result == kEither)
        {
            EXPECT_TRUE(outcome.result == 0 || outcome.result == 1) << file.what;
            continue;
        }
        EXPECT_EQ(outcome.result, file.result) << file.what;
        EXPECT_EQ(outcome.shapes, 0u) << file.what;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryWay, BadFile, testing::ValuesIn(kEveryWay),
                         [](const testing::TestParamInfo<Way>& info) { return info.param.name; });

// The points of the one LINE a drawing holds.
std::vector<double> LinePoints(const std::string& text)
{
    TempFile file(text);
    Import out;
    EXPECT_EQ(ReadAs(kEveryWay[0], file.Path(), out).result, 1);
    auto* line = out.shapes.size() == 1 ? dynamic_cast<CPolylineShape*>(out.shapes[0].get()) : nullptr;
    if (!line || line->m_nCount != 2)
        return {};
    return {line->m_pX[0], line->m_pY[0], line->m_pX[1], line->m_pY[1]};
}

TEST(BadNumbers, OutOfRangeValuesBecomeInfinitiesAndZeros)
{
    const std::vector<double> points =
        LinePoints(InEntities(Pairs({"0", "LINE", "8", "0", "10", "1e999", "20", "-1e999", "11",
                                     "1e-400", "21", "99999999999999999999", "99999999999", "7"})));
    ASSERT_EQ(points.size(), 4u);
    EXPECT_TRUE(std::isinf(points[0]) && points[0] > 0);
    EXPECT_TRUE(std::isinf(points[1]) && points[1] < 0);
    EXPECT_EQ(points[2], 0.0);
    EXPECT_EQ(points[3], 1e20);
}

TEST(BadNumbers, MixedLineEndsReadLikeOne)
{
    const std::string lf = InEntities(
        Pairs({"0", "LINE", "8", "0", "10", "1.5", "20", "2", "11", "3", "21", "4.25"}));
    std::string mixed;
    bool cr = false;
    for (char c : lf)
    {
        if (c == '\n' && (cr = !cr))
            mixed += '\r';
        mixed += c;
    }
    EXPECT_EQ(LinePoints(mixed), (std::vector<double>{1.5, 2, 3, 4.25}));
    EXPECT_EQ(LinePoints(lf), LinePoints(mixed));
}
} // namespace
