#include "shape/CEllipseShape.h"

#include <algorithm>
#include <cmath>
#include "shape/Geometry.h"

namespace
{
const int kMaxPoints = 4096;
const double kLargestStep = kTwoPi / 8; // even a tiny ellipse keeps its shape
// Drawings write the end parameter of a whole ellipse with six decimals (6.283185).
const double kWholeTurnTolerance = 1e-6;
} // namespace

void CEllipseShape::GetPolyData(POLYDATA& record)
{
    record = POLYDATA();
    const double fields[] = {m_dCenterX, m_dCenterY,    m_dMajor,   m_dMinor,
                             m_dAngle,   m_dStartParam, m_dEndParam};
    for (double field : fields)
        if (!std::isfinite(field))
            return;
    double sweep = m_dEndParam - m_dStartParam;
    if (sweep < 0)
        sweep = std::fmod(sweep, kTwoPi) + kTwoPi;
    const bool whole = !(sweep > 0 && sweep < kTwoPi - kWholeTurnTolerance);
    if (whole)
        sweep = kTwoPi;
    // A chord over a parameter step h deviates at most h^2/8 times the largest semi-axis.
    const double radius = std::max(std::fabs(m_dMajor), std::fabs(m_dMinor));
    const double step = std::min(kLargestStep, std::sqrt(8.0 * kChordDeviation / radius));
    const int maxSegments = whole ? kMaxPoints : kMaxPoints - 1;
    const double wanted = std::ceil(sweep / step);
    const int segments = wanted < maxSegments ? std::max(1, static_cast<int>(wanted)) : maxSegments;
    const int count = whole ? segments : segments + 1;

    record.m_nCount = count;
    record.m_nAux = segments;
    record.m_bClose = whole ? 1 : 0;
    record.m_pX = new double[static_cast<size_t>(count)];
    record.m_pY = new double[static_cast<size_t>(count)];
    const double c = std::cos(m_dAngle), s = std::sin(m_dAngle);
    for (int i = 0; i < count; ++i)
    {
        double t = m_dStartParam + sweep * i / segments;
        double a = m_dMajor * std::cos(t), b = m_dMinor * std::sin(t);
        record.m_pX[i] = m_dCenterX + a * c - b * s;
        record.m_pY[i] = m_dCenterY + a * s + b * c;
    }
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
