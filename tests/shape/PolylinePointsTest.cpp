#include <string>

#include <gtest/gtest.h>

#include "shape/Shape.h"

namespace
{
std::string Points(const CPolylineShape& line)
{
    std::string text;
    for (int i = 0; i < line.m_nCount; ++i)
        text += (i ? " " : "") + std::to_string(static_cast<int>(line.m_pX[i])) + "," +
                std::to_string(static_cast<int>(line.m_pY[i]));
    return text;
}
} // namespace

// Points go on being appended whether the arrays were reserved, set by the caller or grown.
TEST(PolylinePoints, AddKeepsEveryPointPastReservedOrCallerSetArrays)
{
    CPolylineShape reserved;
    reserved.Add(1, 1, 1);
    reserved.Add(2, -2, 1);
    reserved.Reserve(4);
    reserved.Reserve(1); // never below the points held
    for (int i = 3; i <= 5; ++i)
        reserved.Add(i, -i, 1);
    EXPECT_EQ(Points(reserved), "1,1 2,-2 3,-3 4,-4 5,-5");

    CPolylineShape set; // arrays of the caller's, with no room beyond their count
    set.m_nCount = 2;
    set.m_pX = new double[static_cast<size_t>(set.m_nCount)]{7, 8};
    set.m_pY = new double[static_cast<size_t>(set.m_nCount)]{0, 1};
    set.Add(9, 2, 1);
    set.Add(10, 3, 1);
    EXPECT_EQ(Points(set), "7,0 8,1 9,2 10,3");
    CPolylineShape copy(set);
    copy.Add(11, 4, 1);
    EXPECT_EQ(Points(copy), "7,0 8,1 9,2 10,3 11,4");
    EXPECT_EQ(Points(set), "7,0 8,1 9,2 10,3");
}
