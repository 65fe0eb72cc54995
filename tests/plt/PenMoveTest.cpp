#include <gtest/gtest.h>

#include "PltTestSupport.h"

TEST(PltPenMoves, MovesBuildPolylinesFromSeparatedValuesInTheUnitModesFactors)
{
    EXPECT_EQ(Plot("PU0,0;PD;PA10,10;PA20,0;PU;"), "0,0 10,10 20,0");
    EXPECT_EQ(Plot("PU0,0;PR10,0,0,10;PU;"), "0,0 10,0 10,10");
    EXPECT_EQ(Plot("PU3,4;SP1;PD5,5;PU;"), "3,4 5,5"); // from the pen; a lone PU point only moves
    // Every comma ends a value, even an empty one; a blank only one that has begun.
    EXPECT_EQ(Plot("PU0,0;PD10 10 20  20;PA1,1,,2;PA,7;PU;"), "0,0 10,10 20,20 1,1 0,2 0,7");
    EXPECT_EQ(Plot("PU0,0;PD1,  2;PU;"), "0,0 1,0 2,0"); // the second blank ends a blank value
    EXPECT_EQ(Plot("PU0,0;PA10;PU;"), "0,0 10,0"); // a lone X keeps the old Y
    // Signed whole numbers, one too long for a double to hold exactly, and a fraction.
    EXPECT_EQ(Plot("PU0,0;PD-0,+5,12345678901234567,-7.5;PU;"), "0,0 -0,5 1.23457e+16,-7.5");
    EXPECT_EQ(Plot("PU40,80;PR40,0;PU;", 0, 0.025), "1,2 2,2");
    EXPECT_EQ(Plot("PU1000,2000;PD0,0;PU;", 1, 99.0), "25.4,50.8 0,0"); // mode 1: second factors
}

TEST(PltPenMoves, DrawStateDecidesWhetherPaAndPrStartAPolyline)
{
    EXPECT_EQ(Plot("PA5,5;PA10,10;CI1;"), "@10,10 r1 0>360"); // before any pen command
    EXPECT_EQ(Plot("PU0,0;PA1,1;CI1;PA5,5,6,6;CI1;"), "0,0 1,1 | @1,1 r1 0>360 | @6,6 r1 0>360");
    EXPECT_EQ(Plot("PU0,0;PA1,1;CI1;SP1;PA5,5,6,6;PU;"), "0,0 1,1 | @1,1 r1 0>360 | 5,5 6,6");
    EXPECT_EQ(Plot("PU0,0;PA1,1;CI1;LT;PR5,5,1,1;PU;"), "0,0 1,1 | @1,1 r1 0>360 | 6,6 7,7");
}
