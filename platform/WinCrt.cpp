#include "WinCrt.h"

#include "PlainBytes.h"
#include "ReadStream.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include <sys/stat.h>
#if __has_include(<langinfo.h>)
#include <langinfo.h>
#define RVZ_HAVE_LANGINFO 1
#endif

namespace
{

void AppendUtf8(std::string& out, unsigned int cp)
{
    if (cp < 0x80)
        out += static_cast<char>(cp);
    else if (cp < 0x800)
    {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
    else if (cp < 0x10000)
    {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
    else
    {
        out += static_cast<char>(0xF0 | ((cp >> 18) & 0x07));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Bounds of the second byte of a UTF-8 sequence, which exclude overlong forms and surrogates.
bool SecondByteFits(int lead, int b)
{
    if (lead == 0xE0)
        return b >= 0xA0 && b <= 0xBF;
    if (lead == 0xED)
        return b >= 0x80 && b <= 0x9F;
    if (lead == 0xF0)
        return b >= 0x90 && b <= 0xBF;
    if (lead == 0xF4)
        return b >= 0x80 && b <= 0x8F;
    return b >= 0x80 && b <= 0xBF;
}

} // namespace

// Bytes of a broken sequence are pushed back (glibc and the BSDs take several) and reread.
unsigned int RvzDecodeWideChar(int b0, FILE* f)
{
    if (b0 < 0x80)
    {
        if (b0 != '\r')
            return static_cast<unsigned int>(b0);
        int next = getc_unlocked(f);
        if (next == '\n')
            return '\n';
        if (next != EOF)
            ungetc(next, f);
        return '\r';
    }
    int extra = b0 >= 0xC2 && b0 <= 0xDF   ? 1
                : b0 >= 0xE0 && b0 <= 0xEF ? 2
                : b0 >= 0xF0 && b0 <= 0xF4 ? 3
                                           : 0;
    if (extra == 0)
        return static_cast<unsigned int>(b0);
    int seen[3];
    unsigned int cp = static_cast<unsigned int>(b0) & (0x3Fu >> extra);
    for (int i = 0; i < extra; ++i)
    {
        int b = getc_unlocked(f);
        bool fits = b != EOF && (i == 0 ? SecondByteFits(b0, b) : (b >= 0x80 && b <= 0xBF));
        if (!fits)
        {
            if (b != EOF)
                ungetc(b, f);
            for (int j = i - 1; j >= 0; --j)
                ungetc(seen[j], f);
            return static_cast<unsigned int>(b0);
        }
        seen[i] = b;
        cp = (cp << 6) | (static_cast<unsigned int>(b) & 0x3Fu);
    }
    return cp;
}

namespace
{

// Copies the run of plain bytes at the front of the stream's buffer as characters, up to room
// characters, and the LF that ends it.
int TakeAsciiRun(FILE* f, wchar_t* out, int room, bool& endedLine)
{
    size_t buffered = 0;
    const unsigned char* begin = RvzBufferedBytes(f, buffered);
    const unsigned char* end = begin + (buffered > static_cast<size_t>(room) ? room : buffered);
    const unsigned char* p = begin;
    while (p < end && kPlainBytes.plain[*p])
        *out++ = static_cast<wchar_t>(*p++);
    if (p < end && *p == '\n')
    {
        *out = L'\n';
        ++p;
        endedLine = true;
    }
    RvzSkipBufferedBytes(f, static_cast<size_t>(p - begin));
    return static_cast<int>(p - begin);
}

const wchar_t* SkipSpace(const wchar_t* p)
{
    while (_istspace(*p))
        ++p;
    return p;
}

bool IsDigit(wchar_t c)
{
    return c >= L'0' && c <= L'9';
}

// The integer at p, as _wtoi reads it; leading white space is skipped only up to blankEnd,
// the end of a line of bytes, or up to a NUL when blankEnd is null.
template <class Char> int IntPrefix(const Char* p, const Char* blankEnd)
{
    while (p != blankEnd && _istspace(static_cast<wchar_t>(*p)))
        ++p;
    if (p == blankEnd)
        return 0;
    bool negative = false;
    if (*p == '+' || *p == '-')
        negative = *p++ == '-';
    long long value = 0;
    for (; *p >= '0' && *p <= '9'; ++p)
        if (value <= static_cast<long long>(INT_MAX))
            value = value * 10 + (*p - '0');
    if (negative)
        return value > INT_MAX ? INT_MIN : static_cast<int>(-value);
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

// The digits of a number, as many as a 64-bit mantissa holds exactly.
struct DecimalDigits
{
    unsigned long long mantissa = 0;
    int significant = 0;    // digits held in the mantissa, leading zeros excluded
    int taken = 0;          // digits held in the mantissa, leading zeros included
    bool truncated = false; // digits beyond the mantissa: only strtod rounds them right
};

// Takes the run of digits at p into the mantissa; returns the first character after it.
const wchar_t* TakeDigits(const wchar_t* p, DecimalDigits& digits)
{
    if (digits.mantissa == 0) // leading zeros: places, no significant digits
        for (; *p == L'0'; ++p)
            ++digits.taken;
    int room = 19 - digits.significant, held = 0;
    for (; held < room && IsDigit(*p); ++p, ++held)
        digits.mantissa = digits.mantissa * 10 + static_cast<unsigned>(*p - L'0');
    digits.significant += held;
    digits.taken += held;
    for (; IsDigit(*p); ++p)
        digits.truncated = true;
    return p;
}

const double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                               1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                               1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The current C locale's decimal point, asked for afresh each time since setlocale may change it.
wchar_t AskDecimalPoint()
{
#ifdef RVZ_HAVE_LANGINFO
    const char* point = nl_langinfo(RADIXCHAR); // the same string, without filling an lconv
#else
    const char* point = std::localeconv()->decimal_point;
#endif
    return point && point[0] ? static_cast<wchar_t>(static_cast<unsigned char>(point[0])) : L'.';
}

// The decimal point held on this thread, or 0 while none is. Initial-exec, so that reading it is
// one load from the thread's block in a loaded module too, not a call that keeps registers.
__attribute__((tls_model("initial-exec"))) thread_local wchar_t t_heldPoint = 0;

// The decimal point numbers are read by: the one held, else the locale's.
wchar_t DecimalPoint()
{
    return t_heldPoint ? t_heldPoint : AskDecimalPoint();
}

// The usual value, [-]digits[.digits] and nothing after it, 19 digits at most: the same one
// exact division the general reading makes, without its bookkeeping, the '.' taken for the
// decimal point (point says whether there is one). False for anything else.
bool PlainDecimal(const wchar_t* p, double& value, bool& point)
{
    const bool negative = *p == L'-';
    const wchar_t* const first = p + negative;
    const wchar_t* q = first;
    unsigned long long mantissa = 0; // may wrap past 19 digits, which are refused below
    for (unsigned digit; (digit = static_cast<unsigned>(*q - L'0')) < 10; ++q)
        mantissa = mantissa * 10 + digit;
    long digits = q - first, fraction = 0;
    point = *q == L'.';
    if (point)
    {
        const wchar_t* const dot = q++;
        for (unsigned digit; (digit = static_cast<unsigned>(*q - L'0')) < 10; ++q)
            mantissa = mantissa * 10 + digit;
        fraction = q - dot - 1;
        digits += fraction;
    }
    if (*q != L'\0' || digits == 0 || digits > 19 || mantissa > (1ull << 53) || fraction > 22)
        return false;
    value = static_cast<double>(mantissa) / kExactPowers[fraction];
    value = negative ? -value : value;
    return true;
}

double ParseWithStrtod(const wchar_t* begin, const wchar_t* end)
{
    char small[128];
    std::string large;
    size_t len = static_cast<size_t>(end - begin);
    char* text = small;
    if (len >= sizeof small)
    {
        large.resize(len);
        text = &large[0];
    }
    for (size_t i = 0; i < len; ++i)
        text[i] = static_cast<char>(begin[i]);
    text[len] = '\0';
    int savedErrno = errno;
    double value = std::strtod(text, nullptr);
    errno = savedErrno;
    return value;
}

} // namespace

std::string RvzUtf8FromWide(const wchar_t* text)
{
    std::string bytes;
    for (const wchar_t* p = text; *p; ++p)
    {
        unsigned int cp = static_cast<unsigned int>(*p);
        AppendUtf8(bytes, cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF) ? 0xFFFDu : cp);
    }
    return bytes;
}

FILE* _wfopen(const wchar_t* path, const wchar_t* mode)
{
    if (!path || !mode)
        return nullptr;
    const std::string bytes = RvzUtf8FromWide(path);
    std::string m;
    for (const wchar_t* p = mode; *p; ++p)
        if (*p != L't' && *p != L'b')
            m += static_cast<char>(*p);
    // A directory is no file to read, as on Windows, where opening one fails.
    struct stat info;
    if (stat(bytes.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
    {
        errno = EACCES;
        return nullptr;
    }
    return m == "r" ? RvzOpenForReading(bytes.c_str()) : std::fopen(bytes.c_str(), (m + 'b').c_str());
}

int RvzReadWideLine(wchar_t* buffer, int n, FILE* stream)
{
    if (!buffer || !stream || n <= 0)
        return -1;
    int count = 0, nul = -1;
    bool endedLine = false;
    while (count < n - 1)
    {
        count += TakeAsciiRun(stream, buffer + count, n - 1 - count, endedLine);
        if (endedLine || count == n - 1)
            break;
        // A CR, a NUL, a byte above ASCII or an empty buffer: one character the general way.
        int b = getc_unlocked(stream);
        if (b == EOF)
            break;
        unsigned int c = RvzDecodeWideChar(b, stream);
        if (c == 0 && nul < 0)
            nul = count;
        buffer[count++] = static_cast<wchar_t>(c);
        if (c == '\n')
            break;
    }
    if (count == 0 && n > 1)
        return -1;
    buffer[count] = L'\0';
    return nul >= 0 ? nul : count;
}

int RvzReadCodeAndLine(FILE* stream, wchar_t* buffer, int n, int& code)
{
    const int length = RvzTakePlainPair(stream, buffer, n, code);
    if (length >= 0 || !buffer || !stream || n <= 0)
        return length;
    if (RvzReadWideLine(buffer, n, stream) < 0)
        return -1;
    code = _wtoi(buffer);
    return RvzReadWideLine(buffer, n, stream);
}

wchar_t* RvzGetWideLine(wchar_t* buffer, int n, FILE* stream)
{
    return RvzReadWideLine(buffer, n, stream) < 0 ? nullptr : buffer;
}

int _wtoi(const wchar_t* str)
{
    return str ? IntPrefix<wchar_t>(str, nullptr) : 0;
}

namespace
{
// Any text but the usual plain decimal. Out of line, so that reading the usual one keeps no
// registers for it.
__attribute__((noinline)) double GeneralDecimal(const wchar_t* str)
{
    const wchar_t* start = SkipSpace(str);
    const wchar_t* p = start;
    bool negative = false;
    if (*p == L'+' || *p == L'-')
        negative = *p++ == L'-';

    DecimalDigits digits;
    const wchar_t* afterInteger = TakeDigits(p, digits);
    bool anyDigit = afterInteger != p;
    p = afterInteger;
    int fractionDigits = 0;
    if (*p != L'\0' && *p == DecimalPoint())
    {
        const int before = digits.taken;
        const wchar_t* afterFraction = TakeDigits(p + 1, digits);
        anyDigit = anyDigit || afterFraction != p + 1;
        fractionDigits = digits.taken - before;
        p = afterFraction;
    }
    if (!anyDigit)
        return 0.0;
    int exponent = 0;
    if (*p == L'e' || *p == L'E')
    {
        const wchar_t* q = p + 1;
        bool expNegative = false;
        if (*q == L'+' || *q == L'-')
            expNegative = *q++ == L'-';
        if (IsDigit(*q))
        {
            for (; IsDigit(*q); ++q)
                if (exponent < 100000)
                    exponent = exponent * 10 + (*q - L'0');
            if (expNegative)
                exponent = -exponent;
            p = q;
        }
    }
    // Exact when the digits fit a double's mantissa and the power of ten is exact too.
    int scale = exponent - fractionDigits;
    if (!digits.truncated && digits.mantissa <= (1ull << 53) && scale >= -22 && scale <= 22)
    {
        double value = static_cast<double>(digits.mantissa);
        value = scale < 0 ? value / kExactPowers[-scale] : value * kExactPowers[scale];
        return negative ? -value : value;
    }
    if (digits.mantissa == 0 && !digits.truncated)
        return negative ? -0.0 : 0.0;
    return ParseWithStrtod(start, p);
}
} // namespace

RvzDecimalPointHeld::RvzDecimalPointHeld() : m_first(t_heldPoint == 0)
{
    if (m_first)
        t_heldPoint = AskDecimalPoint();
}

RvzDecimalPointHeld::~RvzDecimalPointHeld()
{
    if (m_first)
        t_heldPoint = 0;
}

namespace
{
// The usual value read with a '.' where no '.' is held: plain when the locale's point is '.',
// else the general reading's. Out of line, so that the usual number keeps nothing for it.
__attribute__((noinline)) double PlainUnderLocale(const wchar_t* str, double plain)
{
    return DecimalPoint() == L'.' ? plain : GeneralDecimal(str);
}
} // namespace

double _wtof(const wchar_t* str)
{
    if (!str)
        return 0.0;
    double plain = 0.0;
    bool point = false;
    if (!PlainDecimal(str, plain, point))
        return GeneralDecimal(str);
    return !point || t_heldPoint == L'.' ? plain : PlainUnderLocale(str, plain);
}
