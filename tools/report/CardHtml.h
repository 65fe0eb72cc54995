#pragma once
// One drawing's card on the report page: its picture, its problems, what it holds, its
// explanation and contours, and links to its files.
#include <cstddef>
#include <ostream>

#include "Facts.h"

// order: the card's place when the page sorts its problems first.
void WriteCard(std::ostream& out, const Card& card, size_t order);
