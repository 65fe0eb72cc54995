#include "shape/CTextShape.h"

#include <algorithm>
#include <cmath>

void CTextShape::Recalc()
{
    // Width estimated at 0.6 of the height per character, as for a typical CAD font.
    double width = 0.6 * m_dHeight * m_dWidthFactor * m_strText.GetLength();
    double xs[4] = {0.0, width, width, 0.0}, ys[4] = {0.0, 0.0, m_dHeight, m_dHeight};
    double minX = m_dX, maxX = m_dX, minY = m_dY, maxY = m_dY;
    for (int i = 1; i < 4; ++i)
    {
        double x = m_dX + xs[i], y = m_dY + ys[i];
        RotatePoint(x, y, m_dX, m_dY, m_dAngle);
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
    SetBound(minX, minY, maxX, maxY);
}

CShape* CTextShape::Clone() const
{
    return new CTextShape(*this);
}

void CTextShape::Move(double dx, double dy)
{
    m_dX += dx;
    m_dY += dy;
}

void CTextShape::Turn(double cx, double cy, double angle)
{
    RotatePoint(m_dX, m_dY, cx, cy, angle);
    m_dAngle += angle;
}
