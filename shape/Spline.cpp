#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "shape/CPolylineShape.h"
#include "shape/Geometry.h"

namespace
{
const int kMaxSegmentsPerSpan = 256;
// Higher degrees are drawn at this one: each point costs the square of the degree, and no
// drawing needs more.
const int kMaxDegree = 11;

struct Point
{
    double x;
    double y;
};

// p + 1 equal knots at each end and equal spans between them.
std::vector<double> ClampedUniformKnots(int nPoints, int degree)
{
    std::vector<double> knots(static_cast<size_t>(nPoints + degree + 1));
    int spans = nPoints - degree;
    for (size_t i = 0; i < knots.size(); ++i)
    {
        int k = static_cast<int>(i) - degree;
        knots[i] = k <= 0 ? 0.0 : k >= spans ? 1.0 : static_cast<double>(k) / spans;
    }
    return knots;
}

// Non-decreasing finite knots, as many as the control points and degree need, with a domain.
bool IsValidKnotVector(int nPoints, int degree, int nKnots, const double* pKnots)
{
    if (!pKnots || nKnots != nPoints + degree + 1)
        return false;
    for (int i = 0; i < nKnots; ++i)
        if (!std::isfinite(pKnots[i]) || (i > 0 && !(pKnots[i - 1] <= pKnots[i])))
            return false;
    return pKnots[degree] < pKnots[nPoints];
}

// de Boor's evaluation at u inside the span [knots[span], knots[span + 1]).
Point Evaluate(const std::vector<Point>& control, const std::vector<double>& knots, int degree,
               int span, double u)
{
    std::array<Point, kMaxDegree + 1> d;
    std::copy(control.begin() + (span - degree), control.begin() + span + 1, d.begin());
    for (int r = 1; r <= degree; ++r)
        for (int j = degree; j >= r; --j)
        {
            int i = span - degree + j;
            double alpha = (u - knots[i]) / (knots[i + degree + 1 - r] - knots[i]);
            d[j].x = (1.0 - alpha) * d[j - 1].x + alpha * d[j].x;
            d[j].y = (1.0 - alpha) * d[j - 1].y + alpha * d[j].y;
        }
    return d[degree];
}

// Largest size of the curve's second derivative over the span: the largest of its control
// points (second differences of the control points), by the convex hull property.
double SecondDerivativeBound(const std::vector<Point>& control, const std::vector<double>& knots,
                             int degree, int span)
{
    if (degree < 2)
        return 0.0;
    auto derivative = [&](int i) // control point i of the first derivative
    {
        double w = knots[i + degree + 1] - knots[i + 1];
        double s = w > 0 ? degree / w : 0.0;
        return Point{s * (control[i + 1].x - control[i].x), s * (control[i + 1].y - control[i].y)};
    };
    double bound = 0.0;
    for (int i = span - degree; i <= span - 2; ++i)
    {
        double w = knots[i + degree + 1] - knots[i + 2];
        if (!(w > 0))
            continue;
        Point a = derivative(i), b = derivative(i + 1);
        double s = (degree - 1) / w;
        bound = std::max(bound, std::hypot(s * (b.x - a.x), s * (b.y - a.y)));
    }
    return bound;
}

// Segments so that a chord of parameter length h deviates at most h^2/8 * bound.
int SegmentsFor(double length, double bound)
{
    double segments = std::ceil(length * std::sqrt(bound / (8.0 * kChordDeviation)));
    if (!(segments < kMaxSegmentsPerSpan))
        return kMaxSegmentsPerSpan;
    return std::max(1, static_cast<int>(segments));
}
} // namespace

void CPolylineShape::BasicSpline(int nDegree)
{
    BasicSpline(nDegree, 0, nullptr);
}

void CPolylineShape::BasicSpline(int nDegree, int nKnots, double* pKnots)
{
    const int n = m_nCount;
    if (n < 2)
        return;
    const int degree = std::clamp(nDegree, 1, std::min(n - 1, kMaxDegree));
    std::vector<double> knots = IsValidKnotVector(n, degree, nKnots, pKnots)
                                    ? std::vector<double>(pKnots, pKnots + nKnots)
                                    : ClampedUniformKnots(n, degree);
    std::vector<Point> control(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i)
        control[static_cast<size_t>(i)] = {m_pX[i], m_pY[i]};

    std::vector<Point> curve;
    int lastSpan = degree;
    for (int span = degree; span < n; ++span)
    {
        double from = knots[span], to = knots[span + 1];
        if (!(from < to))
            continue;
        // A knot repeated more than the degree may break the curve: the piece before a gap
        // runs to its own end point before the next piece starts.
        if (!curve.empty() && span - lastSpan > degree)
        {
            Point end = Evaluate(control, knots, degree, lastSpan, knots[lastSpan + 1]);
            Point next = Evaluate(control, knots, degree, span, from);
            if (end.x != next.x || end.y != next.y)
                curve.push_back(end);
        }
        lastSpan = span;
        int segments = SegmentsFor(to - from, SecondDerivativeBound(control, knots, degree, span));
        for (int i = 0; i < segments; ++i)
            curve.push_back(Evaluate(control, knots, degree, span,
                                     from + (to - from) * i / segments));
    }
    curve.push_back(Evaluate(control, knots, degree, lastSpan, knots[n]));

    m_nCount = 0;
    for (const Point& p : curve)
        Add(p.x, p.y, 0);
}
