#include <algorithm>
#include <cmath>

#include "dxf/CKVDxf.h"
#include "dxf/EntityRules.h"

namespace
{
// Moves the ellipse's points into a new polyline and frees the record's arrays.
CPolylineShape* TakePoints(POLYDATA& record)
{
    auto* line = new CPolylineShape;
    line->m_nCount = record.m_nCount;
    line->m_nAux = record.m_nAux;
    line->m_bClose = record.m_bClose;
    size_t count = record.m_nCount > 0 ? static_cast<size_t>(record.m_nCount) : 0;
    line->m_pX = new double[count];
    line->m_pY = new double[count];
    std::copy(record.m_pX, record.m_pX + count, line->m_pX);
    std::copy(record.m_pY, record.m_pY + count, line->m_pY);
    delete[] record.m_pX;
    delete[] record.m_pY;
    return line;
}
} // namespace

int CKVDxf::ReadEllipse()
{
    if (!ReadLabel())
        return 0;
    auto* ellipse = new CEllipseShape;
    if (m_nCode == 0)
    {
        delete ellipse;
        return 1;
    }
    int nameLayer = -1, colorLayer = -1, unusedColor = 0;
    double axisX = 0.0, axisY = 0.0, ratio = 1.0; // what a missing group stands for
    while (m_nCode != 0)
    {
        switch (m_nCode)
        {
        case 8:
            nameLayer = GetLayer(m_strValue, unusedColor);
            break;
        case 10:
            ellipse->m_dCenterX = _wtof(m_strValue) * m_Layers.m_dDxfScaleX;
            break;
        case 20:
            ellipse->m_dCenterY = _wtof(m_strValue) * m_Layers.m_dDxfScaleY;
            break;
        case 11:
            axisX = _wtof(m_strValue);
            break;
        case 21:
            axisY = _wtof(m_strValue);
            break;
        case 40:
            ratio = _wtof(m_strValue);
            break;
        case 41:
            ellipse->m_dStartParam = _wtof(m_strValue);
            break;
        case 42:
            ellipse->m_dEndParam = _wtof(m_strValue);
            break;
        case 62:
            colorLayer = GetLayer(_wtoi(m_strValue));
            break;
        default:
            break;
        }
        if (!ReadLabel())
        {
            delete ellipse;
            return 0;
        }
    }
    if (LayerByRule(nameLayer, colorLayer) == -1)
    {
        delete ellipse;
        return 1;
    }
    ellipse->m_dMajor = std::sqrt(axisX * axisX + axisY * axisY);
    ellipse->m_dMinor = ellipse->m_dMajor * ratio;
    if (ellipse->m_dMajor <= 1e-05)
        ellipse->m_dAngle = 0.0;
    else
    {
        ellipse->m_dAngle = std::atan2(axisY, axisX);
        if (ellipse->m_dAngle < 0)
            ellipse->m_dAngle += 6.283185307179586;
    }
    POLYDATA record;
    ellipse->GetPolyData(record);
    delete ellipse;
    StoreByLayerRule(*this, TakePoints(record), nameLayer, colorLayer);
    return 1;
}
