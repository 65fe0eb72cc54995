#include <algorithm>
#include <memory>

#include "dxf/CKVDxf.h"
#include "dxf/EntityRules.h"

int CKVDxf::ReadText()
{
    if (!ReadLabel())
        return 0;
    auto text = std::make_unique<CTextShape>();
    auto onPair = [&](int code)
    {
        switch (code)
        {
        case 1:
            text->m_strText = m_strValue;
            break;
        case 7:
            text->m_strStyle = m_strValue;
            break;
        case 10:
            text->m_dX = _wtof(m_strValue) * m_Layers.m_dDxfScaleX;
            break;
        case 20:
            text->m_dY = _wtof(m_strValue) * m_Layers.m_dDxfScaleY;
            break;
        case 40:
            text->m_dHeight = _wtof(m_strValue) * m_Layers.m_dDxfScaleX;
            break;
        case 41:
            text->m_dWidthFactor = _wtof(m_strValue);
            break;
        case 50:
            text->m_dAngle = DegreesToRadians(_wtof(m_strValue));
            break;
        default:
            break;
        }
    };
    if (!ForEachEntityPair(*this, onPair))
        return 0;
    text->m_nLayer = 5;
    m_arrShape.Add(text.release());
    return 1;
}

int CKVDxf::ReadImage()
{
    if (!ReadLabel())
        return 0;
    EntityLayers layers;
    double px = 0.0, py = 0.0, ux = 0.0, uy = 0.0, vx = 0.0, vy = 0.0;
    double width = 0.0, height = 0.0;
    auto onPair = [&](int code)
    {
        if (layers.Take(*this))
            return;
        const double sx = m_Layers.m_dDxfScaleX, sy = m_Layers.m_dDxfScaleY;
        switch (code)
        {
        case 10:
            px = _wtof(m_strValue) * sx;
            break;
        case 20:
            py = _wtof(m_strValue) * sy;
            break;
        case 11:
            ux = _wtof(m_strValue) * sx;
            break;
        case 21:
            uy = _wtof(m_strValue) * sy;
            break;
        case 12:
            vx = _wtof(m_strValue) * sx;
            break;
        case 22:
            vy = _wtof(m_strValue) * sy;
            break;
        case 13:
            width = _wtof(m_strValue);
            break;
        case 23:
            height = _wtof(m_strValue);
            break;
        default:
            break;
        }
    };
    if (!ForEachEntityPair(*this, onPair))
        return 0;
    if (!(width > 0.0) || !(height > 0.0))
        return 1;
    // The four corners go straight into the point storage: P, P+wU, P+wU+hV, P+hV.
    const double cornersX[4] = {px, px + width * ux, px + width * ux + height * vx,
                                px + height * vx};
    const double cornersY[4] = {py, py + width * uy, py + width * uy + height * vy,
                                py + height * vy};
    auto* outline = new CPolylineShape;
    outline->m_bClose = 1;
    outline->m_nCount = 4;
    outline->m_pX = new double[4];
    outline->m_pY = new double[4];
    std::copy(cornersX, cornersX + 4, outline->m_pX);
    std::copy(cornersY, cornersY + 4, outline->m_pY);
    StoreByLayerRule(*this, outline, layers);
    return 1;
}
