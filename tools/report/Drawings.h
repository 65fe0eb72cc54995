#pragma once
// The drawings a report reads: files as given, folders walked for drawing extensions.
#include <map>
#include <string>
#include <vector>

struct DrawingList
{
    std::vector<std::string> files;                // in the order given, each folder sorted
    std::map<std::string, int> skippedByExtension; // files in folders that are not drawings
};

// A folder yields, recursively, the files whose extension names an importer: with importer
// set, those that importer reads (.dxf for dxf and die). Other paths are kept as they are.
DrawingList ListDrawings(const std::vector<std::string>& paths, const std::string& importer);
