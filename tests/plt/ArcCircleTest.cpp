#include <gtest/gtest.h>

#include "PltTestSupport.h"

TEST(PltArcsCircles, ArcsTurnAboutThePenCirclesStandOnItAndTooFewValuesMakeNothing)
{
    EXPECT_EQ(Plot("PU0,0;AA10,0,90;AA0,-10,90;PU10,10;AR-10,0,90;AR1 0 -90;PU;"),
              "@0,0 r10 0>90 | @0,0 r10 270>0 | @10,10 r10 180>270 | @10,10 r1 0>-90");
    // Circles take the first X factor whatever the unit mode; the pen takes the mode's.
    EXPECT_EQ(Plot("PU4,4;CI5;CI50,5;CI -2;", 1, 2.0),
              "@0.1016,0.1016 r10 0>360 | @0.1016,0.1016 r100 0>360 | @0.1016,0.1016 r-4 0>360");
    EXPECT_EQ(Plot("PU0,0;AA10,0;AA;CI;CI,,;AA10,,0,90;PU;"), "@0,0 r10 0>90");
    EXPECT_DOUBLE_EQ(CKVPlt().CalcAngle(1, 1, 1, 0), 1.5 * M_PI); // below: wrapped into 0..2 pi
}
