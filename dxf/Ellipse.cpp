#include <algorithm>
#include <cmath>
#include <memory>

#include "dxf/CKVDxf.h"
#include "dxf/EntityRules.h"
#include "shape/Geometry.h"

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
    auto ellipse = std::make_unique<CEllipseShape>();
    if (m_nCode == 0)
        return 1;
    EntityLayers layers;
    double axisX = 0.0, axisY = 0.0, ratio = 1.0; // what a missing group stands for
    auto onPair = [&](int code)
    {
        if (layers.Take(*this))
            return;
        // Converted only for the groups that are used.
        auto value = [this] { return _wtof(m_strValue); };
        switch (code)
        {
        case 10:
            ellipse->m_dCenterX = value() * m_Layers.m_dDxfScaleX;
            break;
        case 20:
            ellipse->m_dCenterY = value() * m_Layers.m_dDxfScaleY;
            break;
        case 11:
            axisX = value();
            break;
        case 21:
            axisY = value();
            break;
        case 40:
            ratio = value();
            break;
        case 41:
            ellipse->m_dStartParam = value();
            break;
        case 42:
            ellipse->m_dEndParam = value();
            break;
        default:
            break;
        }
    };
    if (!ForEachEntityPair(*this, onPair))
        return 0;
    if (layers.Resolved() == -1)
        return 1;
    ellipse->m_dMajor = std::sqrt(axisX * axisX + axisY * axisY);
    ellipse->m_dMinor = ellipse->m_dMajor * ratio;
    if (ellipse->m_dMajor <= 1e-05)
        ellipse->m_dAngle = 0.0;
    else
    {
        ellipse->m_dAngle = std::atan2(axisY, axisX);
        if (ellipse->m_dAngle < 0)
            ellipse->m_dAngle += kTwoPi;
    }
    POLYDATA record;
    ellipse->GetPolyData(record);
    StoreByLayerRule(*this, TakePoints(record), layers);
    return 1;
}
