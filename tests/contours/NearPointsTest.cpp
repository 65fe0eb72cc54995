#include <algorithm>
#include <cmath>
#include <random>

#include <gtest/gtest.h>

#include "NearPoints.h"

// Every point's nearest other, looked for among all points; of equally near ones the first.
void ExpectNearestAsByLookingAtEveryPoint(const std::vector<ContourPoint>& points)
{
    const auto nearest = NearestOthers(points);
    ASSERT_EQ(nearest.size(), points.size());
    for (size_t i = 0; i < points.size(); ++i)
    {
        int best = -1;
        double square = HUGE_VAL;
        for (size_t j = 0; j < points.size(); ++j)
        {
            const double dx = points[i].x - points[j].x, dy = points[i].y - points[j].y;
            if (j != i && dx * dx + dy * dy < square)
            {
                best = static_cast<int>(j);
                square = dx * dx + dy * dy;
            }
        }
        ASSERT_EQ(nearest[i].first, best) << i;
        EXPECT_EQ(nearest[i].second, std::sqrt(square)) << i;
    }
}

// The closest pair is the first point of those whose nearest distance is smallest, as told
// by NearestOthers, with the nearest it gives that point.
void ExpectClosestPairAsNearestOthersTell(const std::vector<ContourPoint>& points)
{
    const auto nearest = NearestOthers(points);
    int first = -1;
    for (size_t i = 0; i < nearest.size(); ++i)
        if (nearest[i].first >= 0 && (first < 0 || nearest[i].second < nearest[first].second))
            first = static_cast<int>(i);
    const std::optional<ClosestPair> closest = ClosestPairOf(points);
    ASSERT_EQ(closest.has_value(), first >= 0);
    if (!closest)
        return;
    EXPECT_EQ(closest->first, first);
    EXPECT_EQ(closest->other, nearest[first].first);
    EXPECT_EQ(closest->distance, nearest[first].second);
}

TEST(NearPoints, NearestOtherAgreesWithLookingAtEveryPoint)
{
    std::mt19937 rng(7);
    std::uniform_real_distribution<> at(-50, 50);
    std::vector<ContourPoint> spread, strung, bunched;
    for (int i = 0; i < 1500; ++i)
    {
        spread.push_back({at(rng), i % 5 == 0 ? 3.0 : at(rng)}); // a fifth on one line
        const double x = at(rng);
        strung.push_back({x, 2 * x}); // all on one line
        // Most in a corner, on whole numbers: ties at equal distances everywhere.
        bunched.push_back({std::floor(at(rng) / (i % 10 ? 25 : 1)), std::floor(at(rng) / 25)});
    }
    spread.push_back(spread[10]); // and a twin
    spread.push_back({70, -70});  // and one apart
    for (const auto* points : {&spread, &strung, &bunched})
    {
        ExpectNearestAsByLookingAtEveryPoint(*points);
        ExpectClosestPairAsNearestOthersTell(*points);
    }
    // Whole numbers on a lattice: every point has four equally near.
    std::vector<ContourPoint> lattice;
    for (int i = 0; i < 900; ++i)
        lattice.push_back({static_cast<double>(i % 30), static_cast<double>(i / 30)});
    std::shuffle(lattice.begin(), lattice.end(), rng);
    ExpectNearestAsByLookingAtEveryPoint(lattice);
    ExpectClosestPairAsNearestOthersTell(lattice);
    EXPECT_EQ(NearestOthers({{1, 2}})[0].first, -1);
    EXPECT_TRUE(NearestOthers({}).empty());
    EXPECT_FALSE(ClosestPairOf({{1, 2}}));
    EXPECT_FALSE(ClosestPairOf({}));
}

TEST(NearPoints, ClosestPairTiesAsTheDistancesDo)
{
    // The corners of regular polygons: sides whose squares differ in their last bits have
    // one length once rooted, and the first corner of the closest side counts.
    for (int corners : {5, 7, 12, 24, 100})
    {
        std::vector<ContourPoint> points;
        for (int i = 0; i < corners; ++i)
        {
            const double angle = 2 * M_PI * ((i * 7) % corners) / corners; // listed out of turn
            points.push_back({10 * std::cos(angle) + 3, 10 * std::sin(angle) - 1});
        }
        ExpectClosestPairAsNearestOthersTell(points);
    }
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
    // A point far off, beside which all the others lie close together: their cells are one
    // short stretch of the range of cells.
    points.push_back({1e6, 1e6});
    cluster.push_back(-1);
    const std::vector<int> group = GroupNearPoints(points, 0.05);
    for (size_t i = 0; i < points.size(); ++i)
        for (size_t j = 0; j < points.size(); ++j)
            ASSERT_EQ(group[i] == group[j], cluster[i] == cluster[j]) << i << " " << j;
    // No tolerance: only equal points meet.
    EXPECT_EQ(GroupNearPoints({{0, 0}, {0, 0}, {0, 1e-300}}, 0.0), (std::vector<int>{0, 0, 1}));
}

TEST(NearPoints, TheFirstPointListedInACellFoundsItsGroup)
{
    // One cell; the middle point is near both ends, which are not near each other. Listed
    // before the other end, the middle joins the first end's group, and the other end starts
    // a group of its own; listed after both ends, it joins both groups into one.
    const ContourPoint low{0, 0}, middle{0.45, 0.45}, high{0.9, 0.9};
    EXPECT_EQ(GroupNearPoints({low, middle, high}, 1.0), (std::vector<int>{0, 0, 1}));
    EXPECT_EQ(GroupNearPoints({high, middle, low}, 1.0), (std::vector<int>{0, 0, 1}));
    EXPECT_EQ(GroupNearPoints({low, high, middle}, 1.0), (std::vector<int>{0, 0, 0}));
    // Across two columns the left one comes first, whatever the listing: the point listed
    // first founds a group only after the middle has joined the left end's. So too with a far
    // point that leaves too many cells for narrow keys.
    const ContourPoint left{0.9, 5}, near{1.5, 5}, right{2.1, 5}, far{1e9, 1e9};
    EXPECT_EQ(GroupNearPoints({right, left, near}, 1.0), (std::vector<int>{0, 1, 1}));
    EXPECT_EQ(GroupNearPoints({right, left, near, far}, 1.0), (std::vector<int>{0, 1, 1, 2}));
}
