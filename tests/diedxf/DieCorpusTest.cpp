#include <gtest/gtest.h>

#include <filesystem>

#include "DieFile.h"

namespace
{
// Reads one drawing and counts its shapes per line type, each of which must be 0 or 1.
int ReadCounting(const std::filesystem::path& path, int perType[2])
{
    CKVDieDxf dxf;
    if (!dxf.Open(CString(path.wstring())))
        return -1;
    int result = dxf.ReadData();
    for (INT_PTR i = 0; i < dxf.m_arrShape.GetSize(); ++i)
    {
        int lineType = static_cast<CShape*>(dxf.m_arrShape.GetAt(i))->m_nLineType;
        EXPECT_TRUE(lineType == 0 || lineType == 1) << path;
        perType[lineType == 1 ? 1 : 0]++;
    }
    return result;
}
} // namespace

TEST(DieDxfCorpus, ReadsEveryDrawingWithoutFault)
{
    std::filesystem::path corpus = RIVEZ_DXF_CORPUS;
    if (!std::filesystem::is_directory(corpus))
        GTEST_SKIP() << "no DXF corpus at " << corpus;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(corpus))
    {
        if (!entry.is_regular_file())
            continue;
        int perType[2] = {0, 0};
        EXPECT_NE(ReadCounting(entry.path(), perType), -1) << entry.path();
    }
}

TEST(DieDxfCorpus, CartonExampleImportsBothLineClasses)
{
    int perType[2] = {0, 0};
    ASSERT_EQ(ReadCounting(std::filesystem::path(RIVEZ_EXAMPLES) / "die" / "carton.dxf", perType),
              1);
    EXPECT_EQ(perType[0] + perType[1], 51); // every piece of line work, not the note
    EXPECT_GT(perType[0], 0);
    EXPECT_GT(perType[1], 0);
}
