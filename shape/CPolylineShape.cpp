#include "shape/CPolylineShape.h"

#include <algorithm>
#include <cmath>
#include <cstring>

CPolylineShape::CPolylineShape(const CPolylineShape& other) : CShape(other)
{
    m_nAux = other.m_nAux;
    m_bClose = other.m_bClose;
    Reserve(other.m_nCount);
    if (other.m_nCount > 0)
    {
        std::memcpy(m_pX, other.m_pX, sizeof(double) * static_cast<size_t>(other.m_nCount));
        std::memcpy(m_pY, other.m_pY, sizeof(double) * static_cast<size_t>(other.m_nCount));
    }
    m_nCount = other.m_nCount;
}

CPolylineShape::~CPolylineShape()
{
    delete[] m_pX;
    delete[] m_pY;
}

void CPolylineShape::Reserve(int nCapacity)
{
    int capacity = m_pX == m_pOwnX ? m_nCapacity : m_nCount;
    if (nCapacity <= capacity)
        return;
    double* x = new double[static_cast<size_t>(nCapacity)];
    double* y = new double[static_cast<size_t>(nCapacity)];
    if (m_nCount > 0)
    {
        std::memcpy(x, m_pX, sizeof(double) * static_cast<size_t>(m_nCount));
        std::memcpy(y, m_pY, sizeof(double) * static_cast<size_t>(m_nCount));
    }
    delete[] m_pX;
    delete[] m_pY;
    m_pX = x;
    m_pY = y;
    m_pOwnX = x;
    m_nCapacity = nCapacity;
}

// Add where the arrays are full, not the shape's own, or the count was set below zero.
void CPolylineShape::AddGrowing(double x, double y, int /*nFlag*/)
{
    if (m_nCount < 0)
        m_nCount = 0;
    int capacity = m_pX == m_pOwnX ? m_nCapacity : m_nCount;
    if (m_nCount >= capacity)
        Reserve(std::max(2, m_nCount + m_nCount / 2 + 1)); // a line's two points fit the first
    m_pX[m_nCount] = x;
    m_pY[m_nCount] = y;
    ++m_nCount;
}

void CPolylineShape::AddPoints(const CPolylineShape& other)
{
    const int count = other.m_nCount; // fixed first, should other be this polyline
    Reserve(std::max(m_nCount, 0) + std::max(count, 0));
    for (int i = 0; i < count; ++i)
        Add(other.m_pX[i], other.m_pY[i], 1);
}

void CPolylineShape::DeletePoint(int nIndex)
{
    if (nIndex < 0 || nIndex >= m_nCount)
        return;
    size_t tail = static_cast<size_t>(m_nCount - nIndex - 1);
    std::memmove(m_pX + nIndex, m_pX + nIndex + 1, sizeof(double) * tail);
    std::memmove(m_pY + nIndex, m_pY + nIndex + 1, sizeof(double) * tail);
    --m_nCount;
}

void CPolylineShape::Recalc()
{
    if (m_nCount <= 0 || !m_pX || !m_pY)
    {
        CShape::Recalc();
        return;
    }
    double minX = m_pX[0], maxX = m_pX[0], minY = m_pY[0], maxY = m_pY[0];
    for (int i = 1; i < m_nCount; ++i)
    {
        minX = std::min(minX, m_pX[i]);
        maxX = std::max(maxX, m_pX[i]);
        minY = std::min(minY, m_pY[i]);
        maxY = std::max(maxY, m_pY[i]);
    }
    SetBound(minX, minY, maxX, maxY);
}

CShape* CPolylineShape::Clone() const
{
    return new CPolylineShape(*this);
}

void CPolylineShape::Move(double dx, double dy)
{
    for (int i = 0; i < m_nCount; ++i)
    {
        m_pX[i] += dx;
        m_pY[i] += dy;
    }
}

void CPolylineShape::Turn(double cx, double cy, double angle)
{
    const double c = std::cos(angle), s = std::sin(angle);
    for (int i = 0; i < m_nCount; ++i)
        TurnPoint(m_pX[i], m_pY[i], cx, cy, c, s);
}
