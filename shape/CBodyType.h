#pragma once
// A piece type of the nesting part of the host. Here: its two nesting angles in degrees,
// packed into one double as (multiple angle, whole) * 1000 + single angle.
#include "platform/Export.h"
#include "shape/IntArithmetic.h"

class RIVEZOZER_API CBodyType
{
  public:
    double GetSingleAngle() { return m_dAngleCode - Truncate(m_dAngleCode / 1000.0) * 1000.0; }
    double GetMulAngle() { return static_cast<double>(Truncate(m_dAngleCode / 1000.0)); }

    void SetAngle(double dSingle, double dMul)
    {
        m_dAngleCode = Times1000(Truncate(Reduce(dMul))) + Reduce(dSingle);
    }
    // nWhich 1 sets the multiple angle, 0 the single one; any other value changes nothing.
    void SetAngleEx(int nWhich, double dAngle)
    {
        const int thousands = Truncate(m_dAngleCode / 1000.0);
        if (nWhich == 1)
            m_dAngleCode =
                (m_dAngleCode - Times1000(thousands)) + Times1000(Truncate(Reduce(dAngle)));
        else if (nWhich == 0)
            m_dAngleCode = Times1000(thousands) + Reduce(dAngle);
    }

    double m_dAngleCode = 0.0;

  private:
    static int Truncate(double value) { return TruncateToInt(value); }
    // The packing's products are 32-bit integer products.
    static int Times1000(int a) { return WrappingProduct(a, 1000); }
    // Angles above 360 lose their whole turns; 360 and below, negative ones too, stay.
    static double Reduce(double angle)
    {
        return angle > 360.0 ? angle - WrappingProduct(Truncate(angle / 360.0), 360) : angle;
    }
};
