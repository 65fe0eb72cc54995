#pragma once
// Open strokes joined end to end. Ends within the gap tolerance of each other meet, and are
// moved onto one point, the first of them as listed; a stroke whose two ends meet closes on
// itself. A group of strokes in which every meeting point joins two ends is a ring, its strokes
// taken in order and reversed where they run against it. The other groups are left to the
// noding: those that branch, and those with free ends.
#include <vector>

#include "Strokes.h"

struct JoinedRing
{
    std::vector<int> strokes; // indices into the stroke list, in order along the ring
    Path points;              // the first point not repeated at the end
};

// Where ends further apart than the round-off floor were made to meet.
struct Bridge
{
    ContourPoint at;
    double gap = 0.0;
};

// An end that meets no other.
struct FreeEnd
{
    ContourPoint at;
    int stroke = 0;
};

// Strokes joined end to end that do not close: a chain has two free ends, in order.
struct StrokeGroup
{
    std::vector<int> strokes;
    std::vector<FreeEnd> freeEnds;
    bool chain = false;     // the strokes run one after the other, in order, from end to end
    bool hasLoops = false;  // it holds a cycle: some of its strokes meet round
    std::vector<char> reversed; // per stroke of a chain: run backwards along it
};

struct Joining
{
    std::vector<JoinedRing> rings;
    std::vector<StrokeGroup> groups;
    std::vector<Bridge> bridged;
};

// open: the indices of the strokes to join, whose ends are moved where they meet.
// Gaps above floor are listed as bridged.
Joining JoinStrokes(std::vector<Stroke>& strokes, const std::vector<int>& open, double tolerance,
                    double floor);
