#include "dxf/Bulge.h"

#include <cmath>
#include <vector>

#include "shape/CPolylineShape.h"
#include "shape/Geometry.h"

namespace
{
const double kTolerance = 1e-05;
const double kMinRadius = 0.1;
const double kMaxRadius = 999999999.0;

struct Centre
{
    double x;
    double y;
};

// Centre of the arc: on the chord's perpendicular, on the side the bulge and sweep choose.
Centre FindCentre(double x1, double y1, double x, double y, double bulge, double theta, double c,
                  double d)
{
    double mx = (x1 + x) * 0.5, my = (y1 + y) * 0.5;
    double absTheta = std::fabs(theta);
    if (std::fabs(kPi - absTheta) < kTolerance)
        return {mx, my};

    double alpha = std::acos((x - x1) / c);
    if (y - y1 < 0)
        alpha = kTwoPi - alpha;
    double phi = alpha;
    if ((bulge > 0 && absTheta < kPi) || (bulge < 0 && absTheta > kPi))
        phi = alpha + kHalfPi;
    else if ((bulge > 0 && absTheta > kPi) || (bulge < 0 && absTheta < kPi))
        phi = alpha - kHalfPi;
    if (phi < 0)
        phi += kTwoPi;
    if (phi > kTwoPi)
        phi -= kTwoPi;

    if (std::fabs(phi) < kTolerance)
        return {mx + d, my};
    if (std::fabs(phi - kHalfPi) < kTolerance)
        return {mx, my + d};
    if (std::fabs(phi - kPi) < kTolerance)
        return {mx - d, my};
    if (std::fabs(phi - kThreeHalfPi) < kTolerance)
        return {mx, my - d};

    double k = std::atan(-1.0 / ((y - y1) / (x - x1)));
    double u = std::fabs(d * std::cos(k));
    double v = std::fabs(d * std::sin(k));
    if (phi > kHalfPi && phi < kPi)
        return {mx - u, my + v};
    if (phi > kPi && phi < kThreeHalfPi)
        return {mx - u, my - v};
    if (phi > kThreeHalfPi && phi < kTwoPi)
        return {mx + u, my - v};
    return {mx + u, my + v};
}

// Points of the circle about cx, cy from angle `from` while not beyond `to`, by repeated steps,
// each handed to onPoint(x, y).
template <class OnPoint>
void Walk(double cx, double cy, double r, double from, double to, double step, OnPoint onPoint)
{
    for (double a = from; a <= to; a += step)
    {
        double at = a > kTwoPi ? a - kTwoPi : a;
        onPoint(cx + r * std::cos(at), cy + r * std::sin(at));
    }
}

// The points of a clockwise walk, kept to be appended in reverse: on the stack for arcs of an
// ordinary size, on the heap beyond (the repeated addition may give a point more than counted).
class ReversedPoints
{
  public:
    void Push(double x, double y)
    {
        if (m_count < kLocal)
            m_local[m_count] = {x, y};
        else
            m_more.push_back({x, y});
        ++m_count;
    }
    void AppendTo(CPolylineShape* shape) const
    {
        for (size_t i = m_count; i-- > 0;)
        {
            const Point& p = i < kLocal ? m_local[i] : m_more[i - kLocal];
            shape->Add(p.x, p.y, 1);
        }
    }

  private:
    struct Point
    {
        double x, y;
    };
    static constexpr size_t kLocal = 256;
    Point m_local[kLocal];
    std::vector<Point> m_more;
    size_t m_count = 0;
};

// Whole steps in a sweep; a sweep that is not a number (an overflowed centre) has none.
long long WholeSteps(double sweep, double step)
{
    double steps = sweep / step;
    return steps >= 0 && steps < 1e15 ? static_cast<long long>(steps) : 0;
}

// Arcs of more points than a fuzz build allows are drawn straight; other builds draw every arc.
bool DrawnStraight(long long points)
{
#ifdef RIVEZOZER_FUZZ_MAX_ARC_POINTS
    if (points > RIVEZOZER_FUZZ_MAX_ARC_POINTS)
        return true;
#endif
    return points <= 1;
}
} // namespace

void TessellateBulge(CPolylineShape* pShape, double dBulge, double x, double y)
{
    if (!pShape || pShape->m_nCount < 1)
        return;
    const double x1 = pShape->m_pX[pShape->m_nCount - 1];
    const double y1 = pShape->m_pY[pShape->m_nCount - 1];
    auto appendEnd = [&] { pShape->Add(x, y, 1); };

    if (std::fabs(dBulge) < kTolerance)
        return appendEnd();
    const double theta = 4.0 * std::atan(dBulge);
    if (std::fabs(theta) < kTolerance)
        return appendEnd();
    const double c = std::sqrt((y1 - y) * (y1 - y) + (x1 - x) * (x1 - x));
    const double r = (0.5 * c) / std::sin(0.5 * std::fabs(theta));
    // Written as a negated range test so that a NaN radius is drawn straight too.
    if (!(r >= kMinRadius && r <= kMaxRadius))
        return appendEnd();
    const double d = std::sqrt(r * r - c * c * 0.25);
    const Centre centre = FindCentre(x1, y1, x, y, dBulge, theta, c, d);

    const double step = std::acos((r - kChordDeviation) / r);
    if (!(step >= kTolerance))
        return appendEnd();
    double aStart = std::atan2(y1 - centre.y, x1 - centre.x);
    double aEnd = std::atan2(y - centre.y, x - centre.x);
    if (aStart < 0)
        aStart += kTwoPi;
    if (aEnd < 0)
        aEnd += kTwoPi;

    if (dBulge > 0)
    {
        if (aStart > aEnd)
            aEnd += kTwoPi;
        long long n = WholeSteps(aEnd - aStart, step) + 2;
        if (DrawnStraight(n))
            return appendEnd();
        Walk(centre.x, centre.y, r, aStart, aEnd, step,
             [&](double px, double py) { pShape->Add(px, py, 1); });
    }
    else
    {
        if (aEnd > aStart)
            aStart += kTwoPi;
        long long n = WholeSteps(aStart - aEnd, step) + 1;
        if (DrawnStraight(n))
            return appendEnd();
        ReversedPoints points;
        Walk(centre.x, centre.y, r, aEnd, aStart, step,
             [&](double px, double py) { points.Push(px, py); });
        points.AppendTo(pShape);
    }
    appendEnd();
}
