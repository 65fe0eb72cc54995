#include "dxf/CKVDxf.h"
#include "dxf/EntityRules.h"

namespace
{
bool IsValue(const CKVDxf& dxf, const wchar_t* keyword)
{
    return dxf.m_strValue.CompareNoCase(keyword) == 0;
}
} // namespace

int CKVDxf::Read_C()
{
    const RvzDecimalPointHeld decimalPoint; // asked of the locale once for the whole read
    while (!IsValue(*this, L"BLOCKS") && !IsValue(*this, L"ENTITIES"))
        if (!ReadLabel())
            return 0;
    if (IsValue(*this, L"ENTITIES"))
        return 1;
    for (;;)
    {
        if (!(IsValue(*this, L"BLOCK") ? ReadBlock() : SkipToNextEntity(*this)))
            return 0;
        if (IsValue(*this, L"ENDSEC"))
            return 1;
    }
}

int CKVDxf::ReadBlock()
{
    clearTemp();
    while (m_nCode != 2)
        if (!ReadLabel())
            return 0;
    m_bInBlock = 1;
    CString name = m_strValue;
    double baseX = 0.0, baseY = 0.0;
    while (m_nCode != 0)
    {
        if (m_nCode == 10)
            baseX = _wtof(m_strValue) * m_Layers.m_dDxfScaleX;
        else if (m_nCode == 20)
            baseY = _wtof(m_strValue) * m_Layers.m_dDxfScaleY;
        if (!ReadLabel())
            return 0;
    }
    while (!IsValue(*this, L"ENDBLK"))
    {
        EntityReader reader = FindEntityReader(m_strValue, true);
        // A failed definition is not stored; its shapes wait in m_arrTemp for clearTemp.
        if (!(reader ? (this->*reader)() : SkipToNextEntity(*this)))
            return 0;
    }
    m_bInBlock = 0;
    if (m_arrTemp.IsEmpty())
        return 1;
    auto* body = new CBodyShape;
    body->m_strName = name;
    body->m_dBaseX = baseX;
    body->m_dBaseY = baseY;
    for (INT_PTR i = m_arrTemp.GetSize() - 1; i >= 0; --i)
    {
        body->m_arrShape.Add(m_arrTemp.GetAt(i));
        m_arrTemp.RemoveAt(i);
    }
    body->m_nState = 1;
    body->CalcRect();
    m_arrBlock.Add(body);
    return 1;
}

int CKVDxf::ReadInsert()
{
    if (!ReadLabel())
        return 0;
    CString blockName;
    EntityLayers layers;
    double x = 0.0, y = 0.0, degrees = 0.0;
    auto onPair = [&](int code)
    {
        if (layers.Take(*this))
            return;
        switch (code)
        {
        case 2:
            blockName = m_strValue;
            break;
        case 10:
            x = _wtof(m_strValue) * m_Layers.m_dDxfScaleX;
            break;
        case 20:
            y = _wtof(m_strValue) * m_Layers.m_dDxfScaleY;
            break;
        case 50:
            degrees = _wtof(m_strValue);
            break;
        default:
            break;
        }
    };
    if (!ForEachEntityPair(*this, onPair))
        return 0;
    const int layer = layers.Resolved();
    if (layer == -1)
        return 1;
    const CBodyShape* block = nullptr;
    for (INT_PTR i = 0; i < m_arrBlock.GetSize() && !block; ++i)
    {
        const auto* candidate = static_cast<const CBodyShape*>(m_arrBlock.GetAt(i));
        if (candidate->m_strName.Compare(blockName) == 0)
            block = candidate;
    }
    if (!block)
        return 1;
    CBodyShape* copy = block->CopyBodyShape();
    for (INT_PTR i = 0; i < copy->m_arrShape.GetSize(); ++i)
        static_cast<CShape*>(copy->m_arrShape.GetAt(i))->m_nLayer = layer;
    copy->Offset(x - block->m_dBaseX, y - block->m_dBaseY);
    copy->Rotate(x, y, DegreesToRadians(degrees));
    copy->m_nState = 1;
    m_arrInsert.Add(copy);
    return 1;
}
