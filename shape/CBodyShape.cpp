#include "shape/CBodyShape.h"

#include <algorithm>

CBodyShape::~CBodyShape()
{
    for (INT_PTR i = 0; i < m_arrShape.GetSize(); ++i)
        delete m_arrShape[i];
    m_arrShape.RemoveAll();
}

void CBodyShape::Offset(double dx, double dy)
{
    m_dBaseX += dx;
    m_dBaseY += dy;
    for (INT_PTR i = 0; i < m_arrShape.GetSize(); ++i)
        if (auto* shape = static_cast<CShape*>(m_arrShape[i]))
            shape->Move(dx, dy);
}

void CBodyShape::Rotate(double cx, double cy, double angle)
{
    RotatePoint(m_dBaseX, m_dBaseY, cx, cy, angle);
    for (INT_PTR i = 0; i < m_arrShape.GetSize(); ++i)
        if (auto* shape = static_cast<CShape*>(m_arrShape[i]))
            shape->Turn(cx, cy, angle);
}

void CBodyShape::CalcRect()
{
    bool first = true;
    m_rcBound.SetRectEmpty();
    for (INT_PTR i = 0; i < m_arrShape.GetSize(); ++i)
    {
        const auto* shape = static_cast<const CShape*>(m_arrShape[i]);
        if (!shape)
            continue;
        const CRect& r = shape->m_rcBound;
        if (first)
            m_rcBound = r;
        else
            m_rcBound.SetRect(std::min(m_rcBound.left, r.left), std::min(m_rcBound.top, r.top),
                              std::max(m_rcBound.right, r.right),
                              std::max(m_rcBound.bottom, r.bottom));
        first = false;
    }
}

CBodyShape* CBodyShape::CopyBodyShape() const
{
    auto* copy = new CBodyShape;
    copy->m_strName = m_strName;
    copy->m_dBaseX = m_dBaseX;
    copy->m_dBaseY = m_dBaseY;
    copy->m_nState = m_nState;
    copy->m_rcBound = m_rcBound;
    for (INT_PTR i = 0; i < m_arrShape.GetSize(); ++i)
    {
        const auto* shape = static_cast<const CShape*>(m_arrShape[i]);
        copy->m_arrShape.Add(shape ? shape->Clone() : nullptr);
    }
    return copy;
}
