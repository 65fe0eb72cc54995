// Files that are damaged, hostile or no drawing at all get the importer's defined result.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <random>
#include <string>

#include "Importers.h"
#include "dxf/CKVDxf.h"
#include "support/TempFile.h"

namespace
{
const Importer kAll[] = {Importer::Dxf, Importer::DxfStaged, Importer::Die, Importer::Plt,
                         Importer::PltUnits};

std::string InEntities(const std::string& entities)
{
    return Pairs({"0", "SECTION", "2", "ENTITIES"}) + entities + Pairs({"0", "ENDSEC", "0", "EOF"});
}

class BadFile : public testing::TestWithParam<Importer>
{
  protected:
    Outcome Run(const std::string& content)
    {
        TempFile file(content);
        return RunImporter(GetParam(), file.Path());
    }
};

TEST_P(BadFile, EmptyFileFailsWithNothingKept)
{
    const Outcome outcome = Run("");
    EXPECT_EQ(outcome.opened, 1);
    EXPECT_EQ(outcome.result, 0);
    EXPECT_EQ(outcome.shapes, 0);
}

TEST_P(BadFile, DirectoryDoesNotOpen)
{
    EXPECT_EQ(RunImporter(GetParam(), std::filesystem::temp_directory_path()).opened, 0);
}

TEST_P(BadFile, MissingFileDoesNotOpen)
{
    EXPECT_EQ(RunImporter(GetParam(), "/nonexistent/rivez/drawing.dxf").opened, 0);
}

TEST_P(BadFile, RandomBytesEndTheImport)
{
    std::mt19937 random(20261206);
    for (int round = 0; round < 8; ++round)
    {
        std::string bytes(1 << 14, '\0');
        for (char& c : bytes)
            c = static_cast<char>(random());
        const Outcome outcome = Run(bytes);
        EXPECT_TRUE(outcome.result == 0 || outcome.result == 1);
    }
}

TEST_P(BadFile, BinaryDxfEndsTheImport)
{
    // The binary form: a sentinel line, then one-byte codes and NUL-terminated values.
    std::string binary("Binary DXF\r\n\x1a\0", 14);
    binary += std::string("\0SECTION\0\x02" "ENTITIES\0\0LINE\0\x08" "0\0\x0a", 29);
    binary += std::string(8, '\x7f') + std::string("\0ENDSEC\0\0EOF\0", 13);
    const Outcome outcome = Run(binary);
    EXPECT_TRUE(outcome.result == 0 || outcome.result == 1);
    EXPECT_EQ(outcome.shapes, 0);
}

TEST_P(BadFile, NulBytesInsideLinesEndTheImport)
{
    std::string text = InEntities(Pairs({"0", "LINE", "8", "0", "10", "1", "20", "2", "11", "3",
                                         "21", "4"}));
    for (size_t at = 3; at < text.size(); at += 7)
        text[at] = '\0';
    const Outcome outcome = Run(text);
    EXPECT_TRUE(outcome.result == 0 || outcome.result == 1);
}

TEST_P(BadFile, TenMegabyteLineIsReadInPieces)
{
    const Outcome outcome = Run(std::string(10 << 20, '7'));
    EXPECT_EQ(outcome.result, 0);
    EXPECT_EQ(outcome.shapes, 0);
}

INSTANTIATE_TEST_SUITE_P(EveryImporter, BadFile, testing::ValuesIn(kAll),
                         [](const testing::TestParamInfo<Importer>& info)
                         { return NameOf(info.param); });

// A CKVDxf that deletes the shapes the host owns.
struct Drawing
{
    explicit Drawing(const std::string& text) : file(text)
    {
        if (dxf.Open(CString(file.WidePath().c_str())))
            result = dxf.Read();
    }
    ~Drawing()
    {
        for (INT_PTR i = 0; i < dxf.m_arrShape.GetSize(); ++i)
            delete dxf.m_arrShape[i];
    }
    CPolylineShape* Line(INT_PTR i) { return dynamic_cast<CPolylineShape*>(dxf.m_arrShape[i]); }

    TempFile file;
    CKVDxf dxf;
    int result = -1;
};

TEST(BadNumbers, OutOfRangeValuesBecomeInfinitiesAndZeros)
{
    Drawing d(InEntities(Pairs({"0", "LINE", "8", "0", "10", "1e999", "20", "-1e999", "11",
                                "1e-400", "21", "99999999999999999999", "99999999999", "7"})));
    ASSERT_EQ(d.result, 1);
    ASSERT_EQ(d.dxf.m_arrShape.GetSize(), 1);
    CPolylineShape* line = d.Line(0);
    ASSERT_NE(line, nullptr);
    EXPECT_TRUE(std::isinf(line->m_pX[0]) && line->m_pX[0] > 0);
    EXPECT_TRUE(std::isinf(line->m_pY[0]) && line->m_pY[0] < 0);
    EXPECT_EQ(line->m_pX[1], 0.0);
    EXPECT_EQ(line->m_pY[1], 1e20);
}

TEST(BadNumbers, MixedLineEndsReadLikeOne)
{
    const std::string lf = InEntities(Pairs({"0", "LINE", "8", "0", "10", "1.5", "20", "2", "11",
                                             "3", "21", "4.25"}));
    std::string mixed;
    bool cr = false;
    for (char c : lf)
    {
        if (c == '\n' && (cr = !cr))
            mixed += '\r';
        mixed += c;
    }
    Drawing a(lf), b(mixed);
    ASSERT_EQ(a.result, 1);
    ASSERT_EQ(b.result, 1);
    ASSERT_EQ(b.dxf.m_arrShape.GetSize(), 1);
    for (int i = 0; i < 2; ++i)
    {
        EXPECT_EQ(a.Line(0)->m_pX[i], b.Line(0)->m_pX[i]);
        EXPECT_EQ(a.Line(0)->m_pY[i], b.Line(0)->m_pY[i]);
    }
}

TEST(BadPlotterFile, OnlySeparatorsIsNoDrawing)
{
    TempFile file(";;;\n\n ;\r\n;;\t;", ".plt");
    for (Importer importer : {Importer::Plt, Importer::PltUnits})
    {
        const Outcome outcome = RunImporter(importer, file.Path());
        EXPECT_EQ(outcome.result, 0);
        EXPECT_EQ(outcome.shapes, 0);
    }
}
} // namespace
