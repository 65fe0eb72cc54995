#pragma once
// Points near each other: the groups that meet within a tolerance, and each one's nearest.
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "Contours.h"

// The least box around the points; the wrong way round (infinite) when there are none.
struct PointBox
{
    double minX = HUGE_VAL, minY = HUGE_VAL, maxX = -HUGE_VAL, maxY = -HUGE_VAL;
};
inline PointBox BoxAround(const std::vector<ContourPoint>& points)
{
    PointBox box;
    for (const ContourPoint& p : points)
    {
        box.minX = std::min(box.minX, p.x);
        box.minY = std::min(box.minY, p.y);
        box.maxX = std::max(box.maxX, p.x);
        box.maxY = std::max(box.maxY, p.y);
    }
    return box;
}

// The group of every point, numbered 0, 1, ... A point joins the groups of the points before
// it that started a group within the tolerance of it, or starts one. The points go in the
// order of their grid cells, one cell the size of the tolerance, so the groups' first points
// of the neighbouring cells are close at hand; those lie more than the tolerance apart, so a
// cell holds only a few, and the time grows with the number of points (and their sorting).
std::vector<int> GroupNearPoints(const std::vector<ContourPoint>& points, double tolerance);

// For every point, the index of the nearest other point and its distance (-1 and 0 when it is
// alone); of points equally near, the one listed first. Found in a grid of cells, or in a tree
// split by x and y in turn where the points bunch into few cells.
std::vector<std::pair<int, double>> NearestOthers(const std::vector<ContourPoint>& points);

// Of the points whose nearest other point is nearest of all, the one listed first, with that
// nearest point and their distance: what NearestOthers gives it, found without the others.
struct ClosestPair
{
    int first = -1;
    int other = -1;
    double distance = 0.0;
};
std::optional<ClosestPair> ClosestPairOf(const std::vector<ContourPoint>& points);

// The representative of i's set in a union-find forest, halving the path on the way.
inline int Root(std::vector<int>& parent, int i)
{
    while (parent[i] != i)
        i = parent[i] = parent[parent[i]];
    return i;
}
