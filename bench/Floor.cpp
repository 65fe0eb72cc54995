// The floor: reads the file with a large buffer, splits it into lines and parses every number.
// No importer can be faster than this; it prints a checksum so nothing is optimised away.
#include <charconv>
#include <cstdio>

#include "FileArgument.h"
#include "LineSplit.h"

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
    FILE* f = OpenFileArgument(argc, argv);
    if (!f)
        return 1;
    long long numbers = 0;
    double sum = 0.0;
    const long long lines = ForEachLine(f, [&](const char* begin, const char* end)
                                        { sum += ParseLine(begin, end, numbers); });
    std::fclose(f);
    std::printf("%lld lines %lld numbers %.6g\n", lines, numbers, sum);
    return 0;
}
