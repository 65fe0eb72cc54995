#pragma once
// Tests on the corners of a polygon.
#include "platform/Export.h"
#include "shape/Geometry.h"

class RIVEZOZER_API CKVMathPoly
{
  public:
    // 1 when dAngle2 lies in the half turn from dAngle1 - pi up to dAngle1, widened by 1e-05
    // at both ends; below pi the lower limit is not tested.
    int IsConvx(double dAngle1, double dAngle2)
    {
        const double tolerance = 1e-05;
        if (dAngle2 > dAngle1 + tolerance)
            return 0;
        if (dAngle1 >= kPi && dAngle1 - kPi > dAngle2 + tolerance)
            return 0;
        return 1;
    }
    // Cross product of the edges from (dX0, dY0) to the other two points: positive for a
    // counter-clockwise turn with y up, 0 for collinear points.
    double Corss(double dX0, double dY0, double dX1, double dY1, double dX2, double dY2)
    {
        return (dX1 - dX0) * (dY2 - dY0) - (dX2 - dX0) * (dY1 - dY0);
    }
};
