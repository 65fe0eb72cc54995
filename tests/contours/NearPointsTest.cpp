#include <random>

#include <gtest/gtest.h>

#include "NearPoints.h"

TEST(NearPoints, NearestOtherAgreesWithLookingAtEveryPoint)
{
    std::mt19937 rng(7);
    std::uniform_real_distribution<> at(-50, 50);
    std::vector<ContourPoint> points;
    for (int i = 0; i < 1500; ++i)
        points.push_back({at(rng), i % 5 == 0 ? 3.0 : at(rng)}); // a fifth on one line
    points.push_back(points[10]);                                // and a twin
    const auto nearest = NearestOthers(points);
    for (size_t i = 0; i < points.size(); ++i)
    {
        double best = HUGE_VAL;
        for (size_t j = 0; j < points.size(); ++j)
            if (j != i)
                best = std::min(best,
                                std::hypot(points[i].x - points[j].x, points[i].y - points[j].y));
        ASSERT_GE(nearest[i].first, 0);
        EXPECT_NE(nearest[i].first, static_cast<int>(i));
        EXPECT_DOUBLE_EQ(nearest[i].second, best) << i;
    }
    EXPECT_EQ(NearestOthers({{1, 2}})[0].first, -1);
}

TEST(NearPoints, GroupsAreTheClustersWithinTheTolerance)
{
    // Clusters far apart, each of points well within the tolerance of its centre, some on
    // the lines between grid cells.
    std::mt19937 rng(3);
    std::uniform_real_distribution<> jitter(-0.01, 0.01);
    std::vector<ContourPoint> points;
    std::vector<int> cluster;
    for (int c = 0; c < 400; ++c)
        for (int k = 0; k < 1 + c % 4; ++k)
        {
            points.push_back({(c % 20) * 1.0 + jitter(rng), (c / 20) * 1.0 + jitter(rng)});
            cluster.push_back(c);
        }
    const std::vector<int> group = GroupNearPoints(points, 0.05);
    for (size_t i = 0; i < points.size(); ++i)
        for (size_t j = 0; j < points.size(); ++j)
            ASSERT_EQ(group[i] == group[j], cluster[i] == cluster[j]) << i << " " << j;
    // No tolerance: only equal points meet.
    EXPECT_EQ(GroupNearPoints({{0, 0}, {0, 0}, {0, 1e-300}}, 0.0), (std::vector<int>{0, 0, 1}));
}
