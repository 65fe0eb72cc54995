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

// Points go on being appended whether the arrays were grown, set by the caller or made at once
// for the points of another polyline.
TEST(PolylinePoints, AddKeepsEveryPointInGrownCallerSetOrCopiedArrays)
{
    CPolylineShape set; // arrays of the caller's, with no room beyond their count
    set.m_nCount = 2;
    set.m_pX = new double[static_cast<size_t>(set.m_nCount)]{7, 8};
    set.m_pY = new double[static_cast<size_t>(set.m_nCount)]{0, 1};
    set.Add(9, 2, 1);
    EXPECT_EQ(Points(set), "7,0 8,1 9,2");

    CPolylineShape gathered;
    for (int i = 1; i <= 5; ++i)
        gathered.Add(i, -i, 1);
    gathered.m_nCount = 0; // kept for the next polyline
    gathered.Add(4, 4, 1);
    set.AddPoints(gathered);
    set.Add(10, 3, 1);
    set.AddPoints(set); // its own points, as they were
    EXPECT_EQ(Points(set), "7,0 8,1 9,2 4,4 10,3 7,0 8,1 9,2 4,4 10,3");
    CPolylineShape copy(set);
    copy.Add(11, 4, 1);
    EXPECT_EQ(Points(copy), "7,0 8,1 9,2 4,4 10,3 7,0 8,1 9,2 4,4 10,3 11,4");
}
