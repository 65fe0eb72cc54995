#include "shape/CEllipseShape.h"

#include <algorithm>

void CEllipseShape::GetPolyData(POLYDATA& record)
{
    record = POLYDATA();
}

void CEllipseShape::Recalc()
{
    POLYDATA record;
    GetPolyData(record);
    if (record.m_nCount <= 0)
    {
        SetBound(m_dCenterX, m_dCenterY, m_dCenterX, m_dCenterY);
    }
    else
    {
        double minX = record.m_pX[0], maxX = minX, minY = record.m_pY[0], maxY = minY;
        for (int i = 1; i < record.m_nCount; ++i)
        {
            minX = std::min(minX, record.m_pX[i]);
            maxX = std::max(maxX, record.m_pX[i]);
            minY = std::min(minY, record.m_pY[i]);
            maxY = std::max(maxY, record.m_pY[i]);
        }
        SetBound(minX, minY, maxX, maxY);
    }
    delete[] record.m_pX;
    delete[] record.m_pY;
}

CShape* CEllipseShape::Clone() const
{
    return new CEllipseShape(*this);
}

void CEllipseShape::Move(double dx, double dy)
{
    m_dCenterX += dx;
    m_dCenterY += dy;
}

void CEllipseShape::Turn(double cx, double cy, double angle)
{
    RotatePoint(m_dCenterX, m_dCenterY, cx, cy, angle);
    m_dAngle += angle;
}
