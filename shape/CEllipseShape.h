#pragma once
// An ellipse, or its part from m_dStartParam to m_dEndParam.
#include <cmath>

#include "shape/CShape.h"
#include "shape/Geometry.h"
#include "shape/PolyData.h"

class RIVEZOZER_API CEllipseShape : public CShape
{
  public:
    void Recalc() override;
    CShape* Clone() const override;
    void Move(double dx, double dy) override;
    void Turn(double cx, double cy, double angle) override;

    // The ellipse as points, at most 0.05 drawing units off the curve and at most 4096 points.
    // A whole turn (a sweep within 1e-6 of 2*pi or more, or none) is closed without a
    // repeated end point; a part is open with both ends. An end parameter below the start
    // runs through 2*pi.
    // m_nAux holds the number of segments: the count when closed, one less when open.
    // A non-finite field gives an empty record.
    virtual void GetPolyData(POLYDATA& record);

    // Where the ray from (dCX, dCY) in direction dAngle (radians, in [0, 2pi)) meets the
    // unturned ellipse of semi-axes dA along x and dB along y. The cases are tried in order,
    // so the tolerance about pi/2 reaches only above it; any other angle leaves dX, dY alone.
    void EllipsePoint(double dAngle, double dCX, double dCY, double dA, double dB, double& dX,
                      double& dY)
    {
        const double t = std::tan(dAngle);
        const double k = dA * dB / std::sqrt(dA * dA * t * t + dB * dB);
        if ((dAngle >= 0 && dAngle < kHalfPi) || (dAngle > kThreeHalfPi && dAngle < kTwoPi))
        {
            dX = dCX + k;
            dY = dCY + k * t;
        }
        else if (std::fabs(dAngle - kHalfPi) <= 0.0001)
        {
            dX = dCX;
            dY = dCY + dB;
        }
        else if (dAngle > kHalfPi && dAngle < kThreeHalfPi)
        {
            dX = dCX - k;
            dY = dCY - k * t;
        }
        else if (std::fabs(dAngle - kThreeHalfPi) <= 0.0001)
        {
            dX = dCX;
            dY = dCY - dB;
        }
    }

    double m_dCenterX = 0.0;
    double m_dCenterY = 0.0;
    double m_dMajor = 0.0;
    double m_dMinor = 0.0;
    double m_dAngle = 0.0;
    double m_dStartParam = 0.0;
    double m_dEndParam = kTwoPi;
};
