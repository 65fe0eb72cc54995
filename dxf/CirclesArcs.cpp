#include <memory>

#include "dxf/CKVDxf.h"
#include "dxf/EntityRules.h"
#include "shape/Geometry.h"

namespace
{
// A CIRCLE stops reading at its radius and leaves that pair current; an ARC reads on to the
// next entity and takes its angles.
int ReadCircleEntity(CKVDxf& dxf, bool isCircle)
{
    if (!dxf.ReadLabel())
        return 0;
    auto circle = std::make_unique<CCircleShape>();
    if (isCircle)
    {
        circle->m_dStartAngle = 0.0;
        circle->m_dEndAngle = kTwoPi;
    }
    if (dxf.m_nCode == 0)
        return 1;
    EntityLayers layers;
    for (;;)
    {
        const int code = dxf.m_nCode;
        if (!layers.Take(dxf))
        {
            // Converted only for the groups that are used.
            auto value = [&dxf] { return _wtof(dxf.m_strValue); };
            if (code == 10)
                circle->m_dCenterX = value() * dxf.m_Layers.m_dDxfScaleX;
            else if (code == 20)
                circle->m_dCenterY = value() * dxf.m_Layers.m_dDxfScaleY;
            else if (code == 40)
                circle->m_dRadius = value();
            else if (code == 50 && !isCircle)
                circle->m_dStartAngle = DegreesToRadians(value());
            else if (code == 51 && !isCircle)
                circle->m_dEndAngle = DegreesToRadians(value());
        }
        if (isCircle && code == 40)
            break;
        if (!dxf.ReadLabel())
            return 0;
        if (dxf.m_nCode == 0)
            break;
    }
    StoreByLayerRule(dxf, circle.release(), layers);
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
