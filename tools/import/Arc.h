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

struct CosSin
{
    double cos = 1.0;
    double sin = 0.0;
};

// std::cos and std::sin of a, bit for bit. A quarter turn k * (2pi / 4), where most arcs start,
// end or pass, comes from a table worked out once, as a drawing's arcs ask for those millions
// of times.
CosSin CosSinOf(double a);
