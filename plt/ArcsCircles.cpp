#include <cmath>

#include "plt/CKVPlt.h"
#include "plt/Parameters.h"
#include "shape/Geometry.h"

namespace
{
} // namespace

double CKVPlt::CalcAngle(double x1, double y1, double x2, double y2)
{
    double a = std::atan2(y2 - y1, x2 - x1);
    if (a < 0)
        a += kTwoPi;
    return a;
}

int CKVPlt::ReadArc(int bRelative)
{
    double values[3] = {0.0, 0.0, 0.0}; // x, y, sweep in degrees; the tolerance is not used
    if (ShapeValues(m_strLabel, values, 3) < 3)
        return 1;
    double sx = 0.0, sy = 0.0;
    UnitFactors(*this, sx, sy);
    double px = values[0] * sx, py = values[1] * sy;
    if (bRelative == 1)
    {
        px += m_dPenX;
        py += m_dPenY;
    }
    auto* arc = new CCircleShape;
    arc->m_nLayer = GetLayer(m_strPen);
    // The pen stands at the centre; the command's point is where the arc starts.
    arc->m_dCenterX = m_dPenX;
    arc->m_dCenterY = m_dPenY;
    arc->m_dRadius = std::sqrt((m_dPenX - px) * (m_dPenX - px) + (m_dPenY - py) * (m_dPenY - py));
    double start = std::atan2(py - m_dPenY, px - m_dPenX);
    if (start < 0)
        start += kTwoPi;
    arc->m_dStartAngle = start;
    double end = DegreesToRadians(values[2]) + start;
    if (end >= kTwoPi)
        end -= kTwoPi;
    arc->m_dEndAngle = end;
    arc->m_nLineType = 1;
    arc->Recalc();
    m_arrShape.Add(arc);
    return 1;
}

int CKVPlt::ReadCircle(int)
{
    double radius = 0.0; // the chord tolerance after it is not used
    if (ShapeValues(m_strLabel, &radius, 1) < 1)
        return 1;
    auto* circle = new CCircleShape;
    circle->m_nLayer = GetLayer(m_strPen);
    circle->m_dCenterX = m_dPenX;
    circle->m_dCenterY = m_dPenY;
    // The first pair of factors, whatever the unit mode.
    circle->m_dRadius = radius * m_Layers.m_dPltScaleX;
    circle->m_dStartAngle = 0.0;
    circle->m_dEndAngle = kTwoPi;
    circle->m_nLineType = 1;
    circle->Recalc();
    m_arrShape.Add(circle);
    return 1;
}
