#include <gtest/gtest.h>

#include "PltTestSupport.h"

TEST(PltPenMoves, AbsoluteRelativeAndFromThePen)
{
    PlottedFile absolute("PU0,0;PD;PA10,10;PA20,0;PU;");
    ASSERT_EQ(absolute.Count(), 1);
    EXPECT_EQ(PointsOf(absolute.Line(0)), "0,0 10,10 20,0");
    EXPECT_EQ(absolute.plt.m_nDrawState, 0);

    PlottedFile relative("PU0,0;PR10,0,0,10;PU;");
    EXPECT_EQ(PointsOf(relative.Line(0)), "0,0 10,0 10,10");

    // PD draws from where the pen stands; a lone PU point is only a move.
    PlottedFile fromPen("PU3,4;SP1;PD5,5;PU;");
    EXPECT_EQ(PointsOf(fromPen.Line(0)), "3,4 5,5");
}

TEST(PltPenMoves, DrawStateDecidesWhatPaAndPrDo)
{
    // Before any pen command PA only moves the pen; after a polyline PR starts none either.
    PlottedFile early("PA5,5;PA10,10;PU;");
    EXPECT_EQ(early.Count(), 0);
    EXPECT_EQ(early.plt.m_dPenX, 10.0);

    PlottedFile afterPolyline("PU0,0;PD1,1;SP1;PU10,10;PR5,5;LT;PR1,1,2,2;PU;");
    ASSERT_EQ(afterPolyline.Count(), 3);
    EXPECT_EQ(PointsOf(afterPolyline.Line(1)), "10,10 15,15");
    EXPECT_EQ(PointsOf(afterPolyline.Line(2)), "16,16 18,18"); // LT: state 0 again
}

TEST(PltPenMoves, ValueSeparators)
{
    PlottedFile blanks("PU0,0;PD10 10 20  20;PU;");
    EXPECT_EQ(PointsOf(blanks.Line(0)), "0,0 10,10 20,20");
    PlottedFile empty("PU0,0;PA1,1,,2;PU;");
    EXPECT_EQ(PointsOf(empty.Line(0)), "0,0 1,1 0,2");
    PlottedFile loneX("PU0,0;PA10;PU;");
    EXPECT_EQ(PointsOf(loneX.Line(0)), "0,0 10,0");
    PlottedFile leading("PU0,0;PA,7;PU;"); // an empty X
    EXPECT_EQ(PointsOf(leading.Line(0)), "0,0 0,7");
}

TEST(PltPenMoves, UnitModesPickTheirFactors)
{
    PlottedFile first("PU40,80;PD0,0;PU;");
    EXPECT_EQ(first.Line(0)->m_pX[0], 40.0);
    PlottedFile defaults("PU40,80;PD0,0;PU;", 0, 0.025);
    EXPECT_DOUBLE_EQ(defaults.Line(0)->m_pX[0], 1.0);
    PlottedFile second("PA1000,2000;PU1000,0;PD0,0;PU;", 1, 99.0);
    EXPECT_DOUBLE_EQ(second.Line(0)->m_pX[0], 25.4);
    EXPECT_DOUBLE_EQ(second.Line(0)->m_pY[0], 0.0);
}
