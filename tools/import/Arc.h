#pragma once
// How the tools read an arc of a CCircleShape: its sweep and the points on it.
#include <cmath>

#include "shape/CCircleShape.h"

// Counter-clockwise sweep of an arc in (0, 2pi]; equal or wild angles are a whole circle.
inline double ArcSweep(const CCircleShape& circle)
{
    double sweep = circle.m_dEndAngle - circle.m_dStartAngle;
    if (!std::isfinite(sweep) || sweep == 0.0 || std::fabs(sweep) >= kTwoPi)
        return kTwoPi;
    return sweep < 0 ? sweep + kTwoPi : sweep;
}
