// The bulge tessellation on arbitrary doubles: a start point, then (bulge, x, y) triples.
#include <fuzzer/FuzzedDataProvider.h>

#include "dxf/Bulge.h"
#include "shape/CPolylineShape.h"

namespace
{
double AnyDouble(FuzzedDataProvider& input)
{
    double value = 0.0;
    input.ConsumeData(&value, sizeof value); // every bit pattern, NaN and infinities too
    return value;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    CPolylineShape line;
    const double x0 = AnyDouble(input);
    line.Add(x0, AnyDouble(input), 1);
    while (input.remaining_bytes() > 0)
    {
        const double bulge = AnyDouble(input);
        const double x = AnyDouble(input);
        TessellateBulge(&line, bulge, x, AnyDouble(input));
    }
    return 0;
}
