#include "shape/CShape.h"

#include <climits>
#include <cmath>

namespace
{
int ClampToInt(double v)
{
    if (!(v == v))
        return 0;
    if (v >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (v <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(v);
}
} // namespace

void CShape::Recalc()
{
    m_rcBound.SetRectEmpty();
}

void CShape::SetBound(double minX, double minY, double maxX, double maxY)
{
    m_rcBound.SetRect(ClampToInt(std::floor(minX)), ClampToInt(std::floor(minY)),
                      ClampToInt(std::ceil(maxX)), ClampToInt(std::ceil(maxY)));
}

void RotatePoint(double& x, double& y, double cx, double cy, double angle)
{
    TurnPoint(x, y, cx, cy, std::cos(angle), std::sin(angle));
}
