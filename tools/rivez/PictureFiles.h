#pragma once
// Where the pictures of several drawings go: one SVG file per drawing in one directory.
#include <filesystem>
#include <string>
#include <vector>

// DIR/NAME.svg for each drawing, NAME its file name without extension; a name already
// taken by an earlier drawing gets -2, -3, ... appended.
std::vector<std::filesystem::path> PictureFiles(const std::filesystem::path& directory,
                                                const std::vector<std::string>& drawings);
