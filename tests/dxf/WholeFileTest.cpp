#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <vector>

#include "DxfTestSupport.h"

namespace
{
// The numbers of every output shape, in order, so that two imports can be compared.
void AddNumbers(const CObject* object, std::vector<double>& out)
{
    if (const auto* body = dynamic_cast<const CBodyShape*>(object))
    {
        out.insert(out.end(), {body->m_dBaseX, body->m_dBaseY, 1e6});
        for (INT_PTR i = 0; i < body->m_arrShape.GetSize(); ++i)
            AddNumbers(body->m_arrShape[i], out);
        return;
    }
    const auto* shape = dynamic_cast<const CShape*>(object);
    ASSERT_NE(shape, nullptr);
    out.insert(out.end(), {double(shape->m_nLayer), double(shape->m_nLineType)});
    if (const auto* line = dynamic_cast<const CPolylineShape*>(shape))
        for (int i = 0; i < line->m_nCount; ++i)
            out.insert(out.end(), {line->m_pX[i], line->m_pY[i]});
    if (const auto* text = dynamic_cast<const CTextShape*>(shape))
        out.insert(out.end(), {text->m_dX, text->m_dY, text->m_dHeight, text->m_dAngle});
}

std::vector<double> Numbers(const CKVDxf& dxf)
{
    std::vector<double> out;
    for (const CObArray* shapes : {&dxf.m_arrShape, &dxf.m_arrInsert})
        for (INT_PTR i = 0; i < shapes->GetSize(); ++i)
            AddNumbers((*shapes)[i], out);
    return out;
}

bool WellFormed(const CObject* object)
{
    if (const auto* body = dynamic_cast<const CBodyShape*>(object))
    {
        for (INT_PTR i = 0; i < body->m_arrShape.GetSize(); ++i)
            if (!WellFormed(body->m_arrShape[i]))
                return false;
        return body->m_nState == 1 && !body->m_arrShape.IsEmpty();
    }
    const auto* line = dynamic_cast<const CPolylineShape*>(object);
    if (!line)
        return dynamic_cast<const CShape*>(object) != nullptr;
    for (int i = 0; i < line->m_nCount; ++i)
        if (std::isnan(line->m_pX[i]) || std::isnan(line->m_pY[i]))
            return false;
    return line->m_nCount > 0 && line->m_pX && line->m_pY;
}

const std::filesystem::path kExample = std::filesystem::path(RIVEZ_EXAMPLES) / "bracket.dxf";
} // namespace

TEST(DxfWholeFile, StagedReadMatchesRead)
{
    OwningDxf whole, staged;
    ASSERT_EQ(whole.Open(CString(kExample.wstring().c_str())), 1);
    ASSERT_EQ(staged.Open(CString(kExample.wstring().c_str())), 1);
    ASSERT_EQ(whole.Read(), 1);
    ASSERT_EQ(staged.ReadLayer(), 1);
    ASSERT_EQ(staged.Read_C(), 1);
    ASSERT_EQ(staged.ReadEntities(), 1);
    EXPECT_GE(whole.m_arrLayer.GetSize(), 3);
    EXPECT_GE(whole.m_arrInsert.GetSize(), 3);
    EXPECT_GE(whole.m_arrShape.GetSize(), 5);
    EXPECT_EQ(Numbers(staged), Numbers(whole));
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
        for (const CObArray* shapes : {&dxf.m_arrShape, &dxf.m_arrInsert})
            for (INT_PTR i = 0; i < shapes->GetSize(); ++i)
                EXPECT_TRUE(WellFormed((*shapes)[i])) << entry.path() << " shape " << i;
    }
}
