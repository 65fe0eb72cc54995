#pragma once
// What can be wrong with a drawing, as the page sorts, counts and filters it.
#include <string>
#include <vector>

#include "Facts.h"

struct ProblemKind
{
    const char* code;  // the card's data-problems word and the filter's value
    const char* label; // a person's name for it, as the header counts it
    bool (*applies)(const Card& card);
};

// The kinds from the most to the least serious: a card is ranked by its first.
const std::vector<ProblemKind>& ProblemKinds();

// The codes of the kinds that apply to the card, most serious first.
std::vector<std::string> ProblemsOf(const Card& card);

// The place of the card's most serious problem in ProblemKinds(), or its size when none.
size_t RankOf(const Card& card);

// The label of a kind's code.
const char* LabelOf(const std::string& code);

// True when the read came to its end (for the plotter reader, whenever it read its file).
bool ReadToEnd(const Card& card);

// The read's result in words.
std::string ResultInWords(const Card& card);
