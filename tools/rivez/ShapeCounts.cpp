#include "ShapeCounts.h"

void ShapeCounts::Count(const CShape& shape)
{
    if (const auto* p = dynamic_cast<const CPolylineShape*>(&shape))
    {
        ++polylines;
        points += p->m_nCount;
    }
    else if (dynamic_cast<const CCircleShape*>(&shape))
        ++circles;
    else if (dynamic_cast<const CEllipseShape*>(&shape))
        ++ellipses;
    else
        ++texts;
    ++byLineClass[shape.m_nLineType];
}
