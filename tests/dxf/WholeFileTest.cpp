#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "DxfTestSupport.h"
#include "support/Corpus.h"

namespace
{
std::string FileText(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// Each output shape as its points and layer, an insert as its state and size and then what it
// holds, so that two imports can be compared.
std::vector<std::vector<double>> Numbers(const CKVDxf& dxf)
{
    std::vector<std::vector<double>> out;
    auto add = [&out](const CObject* object)
    {
        const auto* line = dynamic_cast<const CPolylineShape*>(object);
        out.push_back(line ? Points(line) : std::vector<double>());
        out.back().push_back(static_cast<const CShape*>(object)->m_nLayer);
    };
    for (INT_PTR i = 0; i < dxf.m_arrShape.GetSize(); ++i)
        add(dxf.m_arrShape[i]);
    for (INT_PTR i = 0; i < dxf.m_arrInsert.GetSize(); ++i)
    {
        const auto* body = static_cast<const CBodyShape*>(dxf.m_arrInsert[i]);
        out.push_back({double(body->m_nState), double(body->m_arrShape.GetSize())});
        for (INT_PTR k = 0; k < body->m_arrShape.GetSize(); ++k)
            add(body->m_arrShape[k]);
    }
    return out;
}
} // namespace

TEST(DxfWholeFile, StagedReadMatchesReadWithAndWithoutTablesAndBlocksAndReopenKeepsOutput)
{
    const std::string bare = InEntities(LinePairs("L", "0", "0", "1", "0") + Words("0 TEXT 8 L"));
    for (const std::string& text :
         {FileText(std::filesystem::path(RIVEZ_EXAMPLES) / "bracket.dxf"), bare})
    {
        Imported whole(text), staged(text);
        ASSERT_EQ(whole.dxf.Read(), 1);
        ASSERT_TRUE(staged.dxf.ReadLayer() && staged.dxf.Read_C() && staged.dxf.ReadEntities());
        // Opening again drops the blocks and layers read, but not the output the host owns.
        ASSERT_EQ(whole.dxf.Open(whole.file.WidePath().c_str()), 1);
        EXPECT_EQ(whole.dxf.m_arrLayer.GetSize() + whole.dxf.m_arrBlock.GetSize(), 0);
        EXPECT_GE(Numbers(whole.dxf).size(), 2u);
        EXPECT_EQ(Numbers(staged.dxf), Numbers(whole.dxf));
    }
}

// The import ends; each insert is placed and holds shapes, and no coordinate is NaN.
void ExpectWellFormedImport(const std::filesystem::path& path)
{
    Imported in(FileText(path));
    EXPECT_LE(unsigned(in.dxf.Read()), 1u) << path;
    for (INT_PTR i = 0; i < in.dxf.m_arrInsert.GetSize(); ++i)
    {
        const auto* body = static_cast<const CBodyShape*>(in.dxf.m_arrInsert[i]);
        EXPECT_TRUE(body->m_nState == 1 && !body->m_arrShape.IsEmpty()) << path;
    }
    for (const std::vector<double>& numbers : Numbers(in.dxf))
        EXPECT_TRUE(std::none_of(numbers.begin(), numbers.end(),
                                 [](double v) { return std::isnan(v); }))
            << path;
}

TEST(DxfWholeFile, ExampleImportsEndAndGiveWellFormedShapes)
{
    for (const char* example : {"bracket.dxf", "gasket.dxf", "die/carton.dxf"})
        ExpectWellFormedImport(std::filesystem::path(RIVEZ_EXAMPLES) / example);
}

TEST(DxfWholeFile, CorpusImportsEndAndGiveWellFormedShapes)
{
    RIVEZ_CORPUS_OR_SKIP(corpus);
    for (const auto& entry : std::filesystem::directory_iterator(corpus / "dxf"))
        ExpectWellFormedImport(entry.path());
}
