#include "diedxf/CKVDieDxf.h"

#include "diedxf/EntityRules.h"

int CKVDieDxf::ReadLayer()
{
    if (!GetLabel())
        return 0;
    while (!IsKeyword(m_strValue, L"TABLE"))
        if (!GetLabel())
            return 0;
    // Any value LAYER starts a record, the table's own 2 / LAYER included.
    while (!IsKeyword(m_strValue, L"ENTITIES"))
    {
        int result = IsKeyword(m_strValue, L"LAYER") ? AddLayer() : GetLabel();
        if (!result)
            return 0;
    }
    return 1;
}

int CKVDieDxf::AddLayer()
{
    CString name;
    int colour = 0;
    bool flagsAccepted = false;
    if (!GetLabel())
        return 0;
    while (m_nCode != 0)
    {
        if (m_nCode == 2)
            name = m_strValue;
        else if (m_nCode == 62)
        {
            int value = _wtoi(m_strValue);
            if (value == 1 || value == 7)
                colour = value;
        }
        else if (m_nCode == 70 && _wtoi(m_strValue) != 1)
            flagsAccepted = true; // exactly 1 is a frozen layer
        if (!GetLabel())
            return 0;
    }
    if (flagsAccepted && colour == 1)
        m_arrLayerColor1.Add(name);
    else if (flagsAccepted && colour == 7)
        m_arrLayerColor7.Add(name);
    return 1;
}

int CKVDieDxf::GetLayer(CString name)
{
    return diedxf::FindLayer(*this, name);
}

namespace diedxf
{
int FindLayer(const CKVDieDxf& dxf, const CString& name)
{
    for (INT_PTR i = 0; i < dxf.m_arrLayerColor1.GetSize(); ++i)
        if (dxf.m_arrLayerColor1[i] == name)
            return 0;
    for (INT_PTR i = 0; i < dxf.m_arrLayerColor7.GetSize(); ++i)
        if (dxf.m_arrLayerColor7[i] == name)
            return 1;
    return -1;
}

int LineTypeOf(int colour, int layerResult)
{
    if (colour == 1)
        return 0;
    if (colour == 7)
        return 1;
    if (colour == 0 || colour == 256)
        return layerResult;
    return -1;
}

int StoreShape(CObArray& shapes, CShape* shape, int lineType)
{
    if (lineType < 0)
    {
        delete shape;
        return 1;
    }
    shape->m_nLineType = lineType;
    shapes.Add(shape);
    return 1;
}
} // namespace diedxf
