#pragma once
// The floors' way through a file: read with a large buffer, split into lines, no copy.
#include <cstdio>
#include <cstring>
#include <vector>

// Calls onLine(begin, end) for each line of the file, without its LF; the last line may have
// none. Returns the number of lines.
template <class OnLine> long long ForEachLine(FILE* f, OnLine onLine)
{
    const size_t kChunk = 1 << 20;
    std::vector<char> buffer(kChunk * 2);
    size_t kept = 0; // bytes of an unfinished line carried to the next chunk
    long long lines = 0;
    for (;;)
    {
        if (kept == buffer.size())
            buffer.resize(buffer.size() * 2);
        size_t got = std::fread(buffer.data() + kept, 1, buffer.size() - kept, f);
        size_t filled = kept + got;
        const char* p = buffer.data();
        const char* end = p + filled;
        for (const char* nl; (nl = static_cast<const char*>(std::memchr(p, '\n', end - p)));
             p = nl + 1, ++lines)
            onLine(p, nl);
        kept = static_cast<size_t>(end - p);
        if (got == 0)
        {
            if (p < end)
                onLine(p, end);
            break;
        }
        std::memmove(buffer.data(), p, kept);
    }
    return lines;
}
