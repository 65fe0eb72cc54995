#include <memory>
#include <string_view>

#include "dxf/CKVDxf.h"
#include "dxf/EntityRules.h"
#include "dxf/PairValue.h"

int SkipToNextEntity(CKVDxf& dxf)
{
    do
    {
        if (!dxf.ReadLabel())
            return 0;
    } while (dxf.m_nCode != 0);
    return 1;
}

bool EntityLayers::Take(CKVDxf& dxf)
{
    int unusedColor = 0;
    if (dxf.m_nCode == 8)
        byName = FindLayer(dxf, dxf.m_strValue, unusedColor);
    else if (dxf.m_nCode == 62)
        byColor = dxf.GetLayer(_wtoi(dxf.m_strValue));
    else
        return false;
    return true;
}

void StoreByLayerRule(CKVDxf& dxf, CShape* shape, const EntityLayers& layers)
{
    const int layer = layers.Resolved();
    if (layer == -1)
    {
        delete shape;
        return;
    }
    shape->m_nLayer = layer;
    shape->m_nLineType = 1;
    shape->Recalc();
    (dxf.m_bInBlock ? dxf.m_arrTemp : dxf.m_arrShape).Add(shape);
}

EntityReader FindEntityReader(const CString& value, bool blockEntitiesOnly)
{
    // The first six rows are the entity types a block definition may hold.
    static const struct
    {
        std::wstring_view name;
        EntityReader reader;
    } kDispatch[] = {
        {L"LINE", &CKVDxf::ReadLine},       {L"POLYLINE", &CKVDxf::ReadLWPolyline},
        {L"SPLINE", &CKVDxf::ReadSpline},   {L"LWPOLYLINE", &CKVDxf::ReadLWPolyline},
        {L"CIRCLE", &CKVDxf::ReadCircle},   {L"ARC", &CKVDxf::ReadArc},
        {L"ELLIPSE", &CKVDxf::ReadEllipse}, {L"INSERT", &CKVDxf::ReadInsert},
        {L"IMAGE", &CKVDxf::ReadImage},     {L"TEXT", &CKVDxf::ReadText},
    };
    const size_t rows = blockEntitiesOnly ? 6 : sizeof(kDispatch) / sizeof(kDispatch[0]);
    for (size_t i = 0; i < rows; ++i)
        if (IsKeyword(value, kDispatch[i].name.data(), kDispatch[i].name.size()))
            return kDispatch[i].reader;
    return nullptr;
}

int CKVDxf::Read()
{
    const RvzDecimalPointHeld decimalPoint; // asked of the locale once for the whole read
    if (!ReadLabel())
        return 0;
    if (IsKeyword(m_strValue, L"EOF"))
        return 1;
    for (;;)
    {
        int result;
        if (IsKeyword(m_strValue, L"LAYER"))
            result = AddLayer();
        else if (IsKeyword(m_strValue, L"BLOCK"))
            result = ReadBlock();
        else if (IsKeyword(m_strValue, L"ENTITIES"))
            result = ReadEntities();
        else
            result = ReadLabel();
        if (!result)
            return 0;
        if (IsKeyword(m_strValue, L"EOF"))
            return 1;
    }
}

int CKVDxf::ReadEntities()
{
    const RvzDecimalPointHeld decimalPoint; // asked of the locale once for the whole read
    while (!IsKeyword(m_strValue, L"ENTITIES"))
        if (!ReadLabel())
            return 0;
    for (;;)
    {
        EntityReader reader = FindEntityReader(m_strValue, false);
        if (!(reader ? (this->*reader)() : SkipToNextEntity(*this)))
            return 0;
        if (IsKeyword(m_strValue, L"ENDSEC"))
            return 1;
    }
}

int CKVDxf::ReadLine()
{
    if (!ReadLabel())
        return 0;
    auto line = std::make_unique<CPolylineShape>();
    line->m_bClose = 0;
    EntityLayers layers;
    double x = 0.0; // a y before any x pairs with x 0
    auto onPair = [&](int code)
    {
        if (layers.Take(*this))
            return;
        if (code == 10 || code == 11)
            x = _wtof(m_strValue) * m_Layers.m_dDxfScaleX;
        else if (code == 20 || code == 21)
            line->Add(x, _wtof(m_strValue) * m_Layers.m_dDxfScaleY, 1);
    };
    if (!ForEachEntityPair(*this, onPair))
        return 0;
    if (line->m_nCount >= 2)
        StoreByLayerRule(*this, line.release(), layers);
    return 1;
}
