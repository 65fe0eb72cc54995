// The floor that also makes the output points: the floor's read, split and parse, plus the
// points a DXF import hands out, each entity's in its own x and y arrays kept to the end (line
// ends, polyline vertices with their bulge arcs at the importers' chord deviation, a circle's
// or arc's centre). No importer that makes those points can be faster than this.
#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

#include "FileArgument.h"
#include "LineSplit.h"

namespace
{
struct Points
{
    std::vector<double> x, y;
};

class PointMaker
{
public:
    void Pair(int code, const char* begin, const char* end)
    {
        if (code == 0)
        {
            Finish();
            return;
        }
        double value = 0.0;
        std::from_chars(begin, end, value);
        if (code == 10 || code == 11)
            m_x = value;
        else if (code == 20 || code == 21)
            Add(m_x, value);
        else if (code == 42)
            m_bulge = value;
    }

    void Finish()
    {
        if (!m_shape.x.empty())
        {
            m_points += static_cast<long long>(m_shape.x.size());
            m_shapes.push_back(std::move(m_shape));
        }
        m_shape = Points();
        m_bulge = 0.0;
    }

    long long PointCount() const { return m_points; }
    size_t ShapeCount() const { return m_shapes.size(); }

private:
    void Add(double x, double y)
    {
        if (m_bulge != 0.0 && !m_shape.x.empty())
            Arc(m_shape.x.back(), m_shape.y.back(), x, y);
        m_bulge = 0.0;
        m_shape.x.push_back(x);
        m_shape.y.push_back(y);
    }

    // The points strictly between the ends of a bulge arc, one step of the chord deviation
    // apart.
    void Arc(double x1, double y1, double x2, double y2)
    {
        const double sweep = 4.0 * std::atan(m_bulge);
        const double chord = std::hypot(x2 - x1, y2 - y1);
        const double r = chord / (2.0 * std::sin(std::fabs(sweep) / 2.0));
        if (!(r >= 0.1 && r < 1e9))
            return;
        const double step = std::acos((r - 0.05) / r);
        const double toCentre = std::sqrt(std::fmax(r * r - chord * chord / 4.0, 0.0)) / chord;
        const double side = (m_bulge > 0) == (std::fabs(sweep) < M_PI) ? 1.0 : -1.0;
        const double cx = (x1 + x2) / 2 - side * (y2 - y1) * toCentre;
        const double cy = (y1 + y2) / 2 + side * (x2 - x1) * toCentre;
        const double start = std::atan2(y1 - cy, x1 - cx);
        const double turn = sweep > 0 ? step : -step;
        for (double a = turn; std::fabs(a) < std::fabs(sweep); a += turn)
        {
            m_shape.x.push_back(cx + r * std::cos(start + a));
            m_shape.y.push_back(cy + r * std::sin(start + a));
        }
    }

    std::vector<Points> m_shapes;
    Points m_shape;
    double m_x = 0.0, m_bulge = 0.0;
    long long m_points = 0;
};

int CodeOf(const char* begin, const char* end)
{
    while (begin < end && *begin == ' ')
        ++begin;
    int code = 0;
    std::from_chars(begin, end, code);
    return code;
}
} // namespace

int main(int argc, char** argv)
{
    FILE* f = OpenFileArgument(argc, argv);
    if (!f)
        return 1;
    PointMaker maker;
    int code = -1; // -1 while a code line is due
    const long long lines = ForEachLine(f,
                                        [&](const char* begin, const char* end)
                                        {
                                            if (code < 0)
                                                code = CodeOf(begin, end);
                                            else
                                            {
                                                maker.Pair(code, begin, end);
                                                code = -1;
                                            }
                                        });
    maker.Finish();
    std::fclose(f);
    std::printf("%lld lines %zu shapes %lld points\n", lines, maker.ShapeCount(),
                maker.PointCount());
    return 0;
}
