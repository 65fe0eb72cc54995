#include <gtest/gtest.h>

#include <filesystem>

#include "DieFile.h"

namespace
{
// Every stored shape carries one of the two line types.
void ExpectSensibleImport(const std::filesystem::path& path, int expectedResult)
{
    CKVDieDxf dxf;
    ASSERT_EQ(dxf.Open(CString(path.wstring())), 1) << path;
    int result = dxf.ReadData();
    if (expectedResult >= 0)
    {
        EXPECT_EQ(result, expectedResult) << path;
    }
    for (INT_PTR i = 0; i < dxf.m_arrShape.GetSize(); ++i)
    {
        int lineType = static_cast<CShape*>(dxf.m_arrShape.GetAt(i))->m_nLineType;
        EXPECT_TRUE(lineType == 0 || lineType == 1) << path;
    }
}
} // namespace

TEST(DieDxfCorpus, ReadsEveryDrawingWithoutFault)
{
    std::filesystem::path corpus = RIVEZ_DXF_CORPUS;
    if (!std::filesystem::is_directory(corpus))
        GTEST_SKIP() << "no DXF corpus at " << corpus;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(corpus))
        if (entry.is_regular_file())
            ExpectSensibleImport(entry.path(), -1);
}

TEST(DieDxfCorpus, CartonExampleImportsBothLineClasses)
{
    std::filesystem::path carton = std::filesystem::path(RIVEZ_EXAMPLES) / "carton.dxf";
    ExpectSensibleImport(carton, 1);
    CKVDieDxf dxf;
    ASSERT_EQ(dxf.Open(CString(carton.wstring())), 1);
    ASSERT_EQ(dxf.ReadData(), 1);
    EXPECT_EQ(dxf.m_arrShape.GetSize(), 51); // every piece of line work, not the note
    int perType[2] = {0, 0};
    for (INT_PTR i = 0; i < dxf.m_arrShape.GetSize(); ++i)
        ++perType[static_cast<CShape*>(dxf.m_arrShape.GetAt(i))->m_nLineType];
    EXPECT_GT(perType[0], 0);
    EXPECT_GT(perType[1], 0);
}
