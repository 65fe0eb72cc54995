// The shape library's curves on arbitrary input: BasicSpline on control points, a degree and
// knots, then GetPolyData of an ellipse with arbitrary centre, axes, angle and parameters.
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "shape/CEllipseShape.h"
#include "shape/CPolylineShape.h"

namespace
{
double AnyDouble(FuzzedDataProvider& input)
{
    double value = 0.0;
    input.ConsumeData(&value, sizeof value);
    return value;
}

void Spline(FuzzedDataProvider& input)
{
    CPolylineShape line;
    const int degree = input.ConsumeIntegral<int>();
    const int points = input.ConsumeIntegralInRange<int>(0, 512);
    for (int i = 0; i < points; ++i)
    {
        const double x = AnyDouble(input);
        line.Add(x, AnyDouble(input), 0);
    }
    if (!input.ConsumeBool())
        return line.BasicSpline(degree);
    std::vector<double> knots(input.ConsumeIntegralInRange<size_t>(0, 1024));
    const bool rising = input.ConsumeBool(); // as writers do, so the knots are also used
    for (size_t i = 0; i < knots.size(); ++i)
        knots[i] = rising ? (i ? knots[i - 1] : 0.0) + input.ConsumeIntegralInRange<int>(0, 3)
                          : AnyDouble(input);
    line.BasicSpline(degree, static_cast<int>(knots.size()), knots.data());
}

void Ellipse(FuzzedDataProvider& input)
{
    CEllipseShape ellipse;
    ellipse.m_dCenterX = AnyDouble(input);
    ellipse.m_dCenterY = AnyDouble(input);
    ellipse.m_dMajor = AnyDouble(input);
    ellipse.m_dMinor = AnyDouble(input);
    ellipse.m_dAngle = AnyDouble(input);
    ellipse.m_dStartParam = AnyDouble(input);
    ellipse.m_dEndParam = AnyDouble(input);
    POLYDATA record;
    ellipse.GetPolyData(record);
    delete[] record.m_pX;
    delete[] record.m_pY;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    if (input.ConsumeBool())
        Spline(input);
    else
        Ellipse(input);
    return 0;
}
