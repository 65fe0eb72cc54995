#include "shape/CCircleShape.h"

#include <algorithm>
#include <cmath>
#include "shape/Geometry.h"

void CCircleShape::Recalc()
{
    double r = std::fabs(m_dRadius);
    double sweep = m_dEndAngle - m_dStartAngle;
    if (!std::isfinite(sweep) || sweep >= kTwoPi || sweep <= -kTwoPi || sweep == 0.0)
    {
        SetBound(m_dCenterX - r, m_dCenterY - r, m_dCenterX + r, m_dCenterY + r);
        return;
    }
    if (sweep < 0)
        sweep += kTwoPi;
    double start = std::fmod(m_dStartAngle, kTwoPi);
    if (start < 0)
        start += kTwoPi;
    double x0 = m_dCenterX + r * std::cos(start), y0 = m_dCenterY + r * std::sin(start);
    double x1 = m_dCenterX + r * std::cos(start + sweep), y1 = m_dCenterY + r * std::sin(start + sweep);
    double minX = std::min(x0, x1), maxX = std::max(x0, x1);
    double minY = std::min(y0, y1), maxY = std::max(y0, y1);
    // The axis points 0, pi/2, pi, 3pi/2 (and their next turn) that the arc passes.
    for (int k = 1; k <= 8; ++k)
    {
        double a = k * kHalfPi;
        if (a <= start || a >= start + sweep)
            continue;
        switch (k % 4)
        {
        case 0: maxX = m_dCenterX + r; break;
        case 1: maxY = m_dCenterY + r; break;
        case 2: minX = m_dCenterX - r; break;
        default: minY = m_dCenterY - r; break;
        }
    }
    SetBound(minX, minY, maxX, maxY);
}

CShape* CCircleShape::Clone() const
{
    return new CCircleShape(*this);
}

void CCircleShape::Move(double dx, double dy)
{
    m_dCenterX += dx;
    m_dCenterY += dy;
}

void CCircleShape::Turn(double cx, double cy, double angle)
{
    RotatePoint(m_dCenterX, m_dCenterY, cx, cy, angle);
    m_dStartAngle += angle;
    m_dEndAngle += angle;
}
