#pragma once
// What a file is, from its first bytes: text DXF, binary DXF, HPGL, or what else it looks like.
#include <string>

struct FileKind
{
    std::string kind;   // "dxf-text", "dxf-binary", "hpgl" or "other"
    std::string detail; // in words: "a PNG image", "an empty file", ...
};

FileKind SniffFile(const std::string& path);
