#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <vector>

#include "DxfTestSupport.h"

namespace
{
// Every output shape in order, each insert followed by the shapes it holds.
std::vector<const CObject*> Output(const CKVDxf& dxf)
{
    std::vector<const CObject*> out;
    std::function<void(const CObArray&)> add = [&](const CObArray& shapes)
    {
        for (INT_PTR i = 0; i < shapes.GetSize(); ++i)
        {
            out.push_back(shapes[i]);
            if (const auto* body = dynamic_cast<const CBodyShape*>(shapes[i]))
                add(body->m_arrShape);
        }
    };
    add(dxf.m_arrShape);
    add(dxf.m_arrInsert);
    return out;
}

// The numbers of every output shape, so that two imports can be compared.
std::vector<double> Numbers(const CKVDxf& dxf)
{
    std::vector<double> out;
    for (const CObject* object : Output(dxf))
    {
        if (const auto* body = dynamic_cast<const CBodyShape*>(object))
            out.insert(out.end(), {body->m_dBaseX, body->m_dBaseY, 1e6});
        if (const auto* shape = dynamic_cast<const CShape*>(object))
            out.insert(out.end(), {double(shape->m_nLayer), double(shape->m_nLineType)});
        if (const auto* line = dynamic_cast<const CPolylineShape*>(object))
            for (int i = 0; i < line->m_nCount; ++i)
                out.insert(out.end(), {line->m_pX[i], line->m_pY[i]});
        if (const auto* text = dynamic_cast<const CTextShape*>(object))
            out.insert(out.end(), {text->m_dX, text->m_dY, text->m_dHeight, text->m_dAngle});
    }
    return out;
}

bool WellFormed(const CObject* object)
{
    if (const auto* body = dynamic_cast<const CBodyShape*>(object))
        return body->m_nState == 1 && !body->m_arrShape.IsEmpty();
    const auto* line = dynamic_cast<const CPolylineShape*>(object);
    for (int i = 0; line && i < line->m_nCount; ++i)
        if (std::isnan(line->m_pX[i]) || std::isnan(line->m_pY[i]))
            return false;
    return line ? line->m_nCount > 0 : dynamic_cast<const CShape*>(object) != nullptr;
}
} // namespace

TEST(DxfWholeFile, StagedReadMatchesReadWithAndWithoutTablesAndBlocks)
{
    TempFile bare(InEntities(LinePairs("L", "1") + Pairs({"0", "TEXT", "8", "L", "1", "t"})));
    for (const auto& path : {std::filesystem::path(RIVEZ_EXAMPLES) / "bracket.dxf", bare.Path()})
    {
        OwningDxf whole, staged;
        ASSERT_EQ(whole.Open(CString(path.wstring().c_str())), 1);
        ASSERT_EQ(staged.Open(CString(path.wstring().c_str())), 1);
        ASSERT_EQ(whole.Read(), 1);
        ASSERT_EQ(staged.ReadLayer(), 1);
        ASSERT_EQ(staged.Read_C(), 1);
        ASSERT_EQ(staged.ReadEntities(), 1);
        EXPECT_GE(Output(whole).size(), 2u);
        EXPECT_EQ(Numbers(staged), Numbers(whole)) << path;
    }
}

TEST(DxfWholeFile, CorpusImportsEndAndGiveWellFormedShapes)
{
    const std::filesystem::path corpus = RIVEZ_DXF_CORPUS;
    if (!std::filesystem::is_directory(corpus))
        GTEST_SKIP() << "no DXF corpus at " << corpus;
    for (const auto& entry : std::filesystem::directory_iterator(corpus))
    {
        OwningDxf dxf;
        ASSERT_EQ(dxf.Open(CString(entry.path().wstring().c_str())), 1) << entry.path();
        int result = dxf.Read();
        EXPECT_TRUE(result == 0 || result == 1) << entry.path();
        for (const CObject* shape : Output(dxf))
            EXPECT_TRUE(WellFormed(shape)) << entry.path();
    }
}
