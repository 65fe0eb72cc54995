#pragma once
// The 32-bit integer arithmetic of the shape helpers, as the processor does it, without
// undefined behaviour in C++.
#include <climits>
#include <cstdint>

// Truncation toward zero; a value out of the int range, or not a number, gives INT_MIN.
inline int TruncateToInt(double value)
{
    return value > -2147483649.0 && value < 2147483648.0 ? static_cast<int>(value) : INT_MIN;
}

// a - b and a * b, wrapping at 32 bits.
inline int WrappingDifference(int a, int b)
{
    return static_cast<int>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}
inline int WrappingProduct(int a, int b)
{
    return static_cast<int>(static_cast<std::uint32_t>(static_cast<std::int64_t>(a) * b));
}
