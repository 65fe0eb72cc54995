#pragma once
// Tests on the edges of a polygon.
#include <cmath>

#include "platform/Export.h"

class RIVEZOZER_API CKVEdage
{
  public:
    // 1 when dValue lies between the two ends, or within 0.001 of either, else 0.
    int IsMiddle(double dValue, double dEnd1, double dEnd2)
    {
        if (std::fabs(dValue - dEnd1) <= 0.001 || std::fabs(dValue - dEnd2) <= 0.001)
            return 1;
        if (dEnd1 > dEnd2)
            return dEnd2 < dValue && dValue < dEnd1 ? 1 : 0;
        return dEnd1 < dValue && dValue < dEnd2 ? 1 : 0;
    }
    // The distance between two points.
    double PTP(double dX1, double dY1, double dX2, double dY2)
    {
        return std::sqrt((dY1 - dY2) * (dY1 - dY2) + (dX1 - dX2) * (dX1 - dX2));
    }
};
