#pragma once
// The report as one self-contained HTML page: header counts, then one card per drawing,
// the most serious problems first.
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "Facts.h"

struct PageHeading
{
    std::string title;
    std::map<std::string, int> skippedByExtension;
};

// Cards may carry "links" {"svg", "json", "explain"}: paths relative to the page.
void WritePage(std::ostream& out, const PageHeading& heading, const std::vector<Card>& cards);
