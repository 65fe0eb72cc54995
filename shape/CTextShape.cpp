#include "shape/CTextShape.h"

#include <algorithm>
#include <cmath>

void CTextShape::GetBoxCorners(double xs[4], double ys[4]) const
{
    // Width estimated at 0.6 of the height per character, as for a typical CAD font.
    double width = 0.6 * m_dHeight * m_dWidthFactor * m_strText.GetLength();
    const double offsetsX[4] = {0.0, width, width, 0.0},
                 offsetsY[4] = {0.0, 0.0, m_dHeight, m_dHeight};
    xs[0] = m_dX;
    ys[0] = m_dY;
    const double c = std::cos(m_dAngle), s = std::sin(m_dAngle);
    for (int i = 1; i < 4; ++i)
    {
        xs[i] = m_dX + offsetsX[i];
        ys[i] = m_dY + offsetsY[i];
        TurnPoint(xs[i], ys[i], m_dX, m_dY, c, s);
    }
}

void CTextShape::Recalc()
{
    double xs[4], ys[4];
    GetBoxCorners(xs, ys);
    double minX = xs[0], maxX = xs[0], minY = ys[0], maxY = ys[0];
    for (int i = 1; i < 4; ++i)
    {
        minX = std::min(minX, xs[i]);
        maxX = std::max(maxX, xs[i]);
        minY = std::min(minY, ys[i]);
        maxY = std::max(maxY, ys[i]);
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
