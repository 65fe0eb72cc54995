#pragma once
// Points near each other: the groups that meet within a tolerance, and each one's nearest.
#include <utility>
#include <vector>

#include "Contours.h"

// The group of every point, numbered 0, 1, ... in the order of their first points. A point
// joins the groups of the earlier points that started a group within the tolerance of it,
// or starts one. Those first points lie more than the tolerance apart, so a grid cell the
// size of the tolerance holds only a few, and the time grows with the number of points.
// cellFloor keeps the grid coarse enough for the coordinates when the tolerance is tiny.
std::vector<int> GroupNearPoints(const std::vector<ContourPoint>& points, double tolerance,
                                 double cellFloor);

// Finds the nearest of a fixed set of points, in a tree split by x and y in turn.
class NearestPoints
{
  public:
    explicit NearestPoints(std::vector<ContourPoint> points);

    // The index of the nearest point other than points[self], and its distance; -1 if none.
    std::pair<int, double> NearestOther(int self) const;

  private:
    void Build(int lo, int hi, bool byX);
    void Search(int lo, int hi, bool byX, int self, int& best, double& bestSquare) const;

    std::vector<ContourPoint> m_points;
    std::vector<int> m_tree; // point indices; each range's middle splits it
};
