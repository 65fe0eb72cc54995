#pragma once
// The constants the shapes and importers share: angles to the digits drawings are read with,
// and how far a chord may stand off the curve it replaces.
const double kPi = 3.141592653589793;
const double kHalfPi = 1.5707963267948966;
const double kThreeHalfPi = 4.71238898038469;
const double kTwoPi = 6.283185307179586;
const double kChordDeviation = 0.05;

// Degrees as a file gives them, to radians: divided by 180.0 first, then times pi.
inline double DegreesToRadians(double degrees)
{
    return degrees / 180.0 * kPi;
}
