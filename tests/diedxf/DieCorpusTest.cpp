#include <gtest/gtest.h>

#include <filesystem>

#include "DieFile.h"
#include "support/Corpus.h"

namespace
{
// ReadData's answer for one drawing, -1 if it does not open; counts its shapes per line type,
// each of which must be 0 or 1.
int ReadCounting(const std::filesystem::path& path, int perType[2])
{
    CKVDieDxf dxf;
    int result = dxf.Open(CString(path.wstring())) ? dxf.ReadData() : -1;
    for (INT_PTR i = 0; i < dxf.m_arrShape.GetSize(); ++i)
    {
        int lineType = static_cast<CShape*>(dxf.m_arrShape.GetAt(i))->m_nLineType;
        EXPECT_TRUE(lineType == 0 || lineType == 1) << path;
        perType[lineType == 1]++;
    }
    return result;
}
} // namespace

TEST(DieDxfCorpus, CartonExampleAndEveryCorpusDrawingImport)
{
    int perType[2] = {0, 0};
    ASSERT_EQ(ReadCounting(std::filesystem::path(RIVEZ_EXAMPLES) / "die" / "carton.dxf", perType),
              1);
    EXPECT_EQ(perType[0] + perType[1], 51); // every piece of line work, not the note
    EXPECT_TRUE(perType[0] > 0 && perType[1] > 0);
    RIVEZ_CORPUS_OR_SKIP(corpus);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(corpus / "dxf"))
        EXPECT_TRUE(!entry.is_regular_file() || ReadCounting(entry.path(), perType) != -1)
            << entry.path();
}
