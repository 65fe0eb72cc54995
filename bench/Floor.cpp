// The floor: reads the file with a large buffer, splits it into lines and parses every number.
// No importer can be faster than this; it prints a checksum so nothing is optimised away.
#include <charconv>
#include <cstdio>
#include <cstring>
#include <vector>

namespace
{
bool StartsNumber(char c)
{
    return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.';
}

double ParseLine(const char* p, const char* end, long long& numbers)
{
    double sum = 0.0;
    while (p < end)
    {
        if (!StartsNumber(*p))
        {
            ++p;
            continue;
        }
        double value = 0.0;
        auto result = std::from_chars(*p == '+' ? p + 1 : p, end, value);
        if (result.ec == std::errc())
        {
            sum += value;
            ++numbers;
            p = result.ptr;
        }
        else
            ++p;
    }
    return sum;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: %s FILE\n", argv[0]);
        return 2;
    }
    FILE* f = std::fopen(argv[1], "rb");
    if (!f)
    {
        std::perror(argv[1]);
        return 1;
    }
    const size_t kChunk = 1 << 20;
    std::vector<char> buffer(kChunk * 2);
    size_t kept = 0; // bytes of an unfinished line carried to the next chunk
    long long lines = 0, numbers = 0;
    double sum = 0.0;
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
            sum += ParseLine(p, nl, numbers);
        kept = static_cast<size_t>(end - p);
        if (got == 0)
        {
            sum += ParseLine(p, end, numbers);
            break;
        }
        std::memmove(buffer.data(), p, kept);
    }
    std::fclose(f);
    std::printf("%lld lines %lld numbers %.6g\n", lines, numbers, sum);
    return 0;
}
