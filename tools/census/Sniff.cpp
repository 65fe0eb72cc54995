#include "Sniff.h"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace
{
struct Magic
{
    const char* bytes;
    size_t length;
    const char* kind;
    const char* detail;
};

const Magic kMagic[] = {
    {"AutoCAD Binary DXF", 18, "dxf-binary", "a binary DXF drawing"},
    {"\x89PNG", 4, "other", "a PNG image"},
    {"%PDF", 4, "other", "a PDF document"},
    {"PK\x03\x04", 4, "other", "a ZIP archive"},
    {"GIF8", 4, "other", "a GIF image"},
    {"\xFF\xD8\xFF", 3, "other", "a JPEG image"},
    {"%!PS", 4, "other", "a PostScript file"},
    {"AC10", 4, "other", "a DWG drawing"},
};

// A first line holding only an integer, as a DXF group code line does.
bool StartsWithGroupCode(const std::string& head)
{
    size_t i = 0;
    while (i < head.size() && (head[i] == ' ' || head[i] == '\t'))
        ++i;
    const size_t digits = i;
    while (i < head.size() && std::isdigit(static_cast<unsigned char>(head[i])))
        ++i;
    if (i == digits)
        return false;
    while (i < head.size() && (head[i] == ' ' || head[i] == '\t' || head[i] == '\r'))
        ++i;
    return i < head.size() && head[i] == '\n';
}

// A first command that opens plotter files, after white space, control bytes and escapes.
bool LooksLikeHpgl(const std::string& head)
{
    static const char* const kOpeners[] = {"IN", "DF", "IP", "SC", "SP", "PU", "PD", "PA", "PR",
                                           "PS", "BP", "CO", "PG", "RO", "IW", "LT", "VS", "CA",
                                           "CS", "SI", "SR", "DI", "DT", "PE", "PM", "PW", "NP", "OP"};
    size_t i = 0;
    while (i < head.size() && static_cast<unsigned char>(head[i]) <= ' ' && head[i] != '\x1b')
        ++i;
    if (i < head.size() && head[i] == '\x1b') // a printer escape such as ESC%-1B or ESC.(
        return true;
    if (i + 1 >= head.size())
        return false;
    const char first[] = {static_cast<char>(std::toupper(static_cast<unsigned char>(head[i]))),
                          static_cast<char>(std::toupper(static_cast<unsigned char>(head[i + 1]))),
                          '\0'};
    for (const char* opener : kOpeners)
        if (std::strcmp(first, opener) == 0)
            return true;
    return false;
}
} // namespace

FileKind SniffFile(const std::string& path)
{
    char buffer[512];
    size_t size = 0;
    if (FILE* f = std::fopen(path.c_str(), "rb"))
    {
        size = std::fread(buffer, 1, sizeof buffer, f);
        std::fclose(f);
    }
    const std::string head(buffer, size);
    if (head.empty())
        return {"other", "an empty file"};
    for (const Magic& magic : kMagic)
        if (head.compare(0, magic.length, magic.bytes, magic.length) == 0)
            return {magic.kind, magic.detail};
    if (StartsWithGroupCode(head))
        return {"dxf-text", "a text DXF drawing"};
    if (LooksLikeHpgl(head))
        return {"hpgl", "an HPGL plotter file"};
    if (head.find('\0') != std::string::npos)
        return {"other", "binary data of no kind the census knows"};
    return {"other", "text that is neither DXF nor HPGL"};
}
