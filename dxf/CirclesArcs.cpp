#include "dxf/CKVDxf.h"
#include "dxf/EntityRules.h"

namespace
{
// A CIRCLE stops reading at its radius and leaves that pair current; an ARC reads on to the
// next entity and takes its angles.
int ReadCircleEntity(CKVDxf& dxf, bool isCircle)
{
    if (!dxf.ReadLabel())
        return 0;
    auto* circle = new CCircleShape;
    if (isCircle)
    {
        circle->m_dStartAngle = 0.0;
        circle->m_dEndAngle = 6.283185307179586;
    }
    if (dxf.m_nCode == 0)
    {
        delete circle;
        return 1;
    }
    int nameLayer = -1, colorLayer = -1, unusedColor = 0;
    for (;;)
    {
        switch (dxf.m_nCode)
        {
        case 8:
            nameLayer = dxf.GetLayer(dxf.m_strValue, unusedColor);
            break;
        case 10:
            circle->m_dCenterX = _wtof(dxf.m_strValue) * dxf.m_Layers.m_dDxfScaleX;
            break;
        case 20:
            circle->m_dCenterY = _wtof(dxf.m_strValue) * dxf.m_Layers.m_dDxfScaleY;
            break;
        case 40:
            circle->m_dRadius = _wtof(dxf.m_strValue);
            break;
        case 50:
            if (!isCircle)
                circle->m_dStartAngle = DegreesToRadians(_wtof(dxf.m_strValue));
            break;
        case 51:
            if (!isCircle)
                circle->m_dEndAngle = DegreesToRadians(_wtof(dxf.m_strValue));
            break;
        case 62:
            colorLayer = dxf.GetLayer(_wtoi(dxf.m_strValue));
            break;
        default:
            break;
        }
        if (isCircle && dxf.m_nCode == 40)
            break;
        if (!dxf.ReadLabel())
        {
            delete circle;
            return 0;
        }
        if (dxf.m_nCode == 0)
            break;
    }
    StoreByLayerRule(dxf, circle, nameLayer, colorLayer);
    return 1;
}
} // namespace

int CKVDxf::ReadCircle()
{
    return ReadCircleEntity(*this, true);
}

int CKVDxf::ReadArc()
{
    return ReadCircleEntity(*this, false);
}
