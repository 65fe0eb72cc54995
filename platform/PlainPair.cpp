// The pair read's fast part: a code line and a value line of plain ASCII taken straight from the
// stream's buffer, the code from its bytes and only the value widened.
#include "WinCrt.h"

#include <climits>
#include <cstdint>
#include <cstring>

#include "CString.h"
#include "PlainBytes.h"

#if defined(__SSE2__) && defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
#include <emmintrin.h>
#define RVZ_HAVE_SSE2 1
#endif

namespace
{

// The end of a line's text at p (its LF, or the CR of CR LF, read as one LF) and where the next
// line starts; null when no line ends there within the buffer's end.
const unsigned char* LineEndAt(const unsigned char* p, const unsigned char* end,
                               const unsigned char*& next)
{
    if (p < end && *p == '\n')
        next = p + 1;
    else if (p + 1 < end && p[0] == '\r' && p[1] == '\n')
        next = p + 2;
    else
        return nullptr;
    return p;
}

// A code line of blanks, an optional minus and at most ten digits, whole within end and room
// characters: its integer as _wtoi makes it, and where the next line starts. Null for any
// other line, which the general read takes.
const unsigned char* PlainCodeLine(const unsigned char* p, const unsigned char* end, size_t room,
                                   int& code)
{
    const unsigned char* start = p;
    while (p < end && *p == ' ')
        ++p;
    const bool negative = p < end && *p == '-';
    p += negative;
    const unsigned char* digits = p;
    long long value = 0;
    for (; p < end && p - digits < 10 && static_cast<unsigned>(*p - '0') < 10u; ++p)
        value = value * 10 + (*p - '0');
    const unsigned char* next = nullptr;
    if (p == digits || !LineEndAt(p, end, next) || static_cast<size_t>(p - start) + 1 > room)
        return nullptr;
    if (negative)
        code = value > INT_MAX ? INT_MIN : static_cast<int>(-value);
    else
        code = value > INT_MAX ? INT_MAX : static_cast<int>(value);
    return next;
}

#if defined(__GNUC__) && defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
// The bytes of a word that are not plain (high bit set, NUL, CR or LF): the lowest marked one
// is exact, as a borrow only marks bytes above a byte that is marked already.
inline std::uint64_t NotPlainBytes(std::uint64_t w)
{
    const std::uint64_t ones = 0x0101010101010101ull, highs = 0x8080808080808080ull;
    const auto zeroAt = [&](std::uint64_t x) { return (x - ones) & ~x & highs; };
    return (w & highs) | zeroAt(w) | zeroAt(w ^ (ones * '\n')) | zeroAt(w ^ (ones * '\r'));
}

// The run of plain bytes from p, up to limit, widened into out eight at a time; returns its end.
const unsigned char* WidenPlainRun(const unsigned char* p, const unsigned char* limit,
                                   const unsigned char* end, wchar_t*& out)
{
    while (end - p >= 8 && limit - p >= 8)
    {
        std::uint64_t w;
        std::memcpy(&w, p, 8);
        for (int i = 0; i < 8; ++i)
            out[i] = static_cast<wchar_t>(p[i]);
        if (const std::uint64_t marked = NotPlainBytes(w))
        {
            const int plain = __builtin_ctzll(marked) / 8;
            out += plain;
            return p + plain;
        }
        out += 8;
        p += 8;
    }
    for (; p < limit && kPlainBytes.plain[*p]; ++p)
        *out++ = static_cast<wchar_t>(*p);
    return p;
}
#else
const unsigned char* WidenPlainRun(const unsigned char* p, const unsigned char* limit,
                                   const unsigned char*, wchar_t*& out)
{
    for (; p < limit && kPlainBytes.plain[*p]; ++p)
        *out++ = static_cast<wchar_t>(*p);
    return p;
}
#endif

// A value line of plain bytes, whole within end and room characters, widened into out with its
// LF and a NUL: its length as the line read counts it, and where the next line starts. -1 for
// any other line (out may have been written), which the general read takes.
int PlainValueLine(const unsigned char* p, const unsigned char* end, size_t room, wchar_t* out,
                   const unsigned char*& next)
{
    const unsigned char* start = p;
    const unsigned char* limit = static_cast<size_t>(end - p) < room ? end : p + (room - 1);
    p = WidenPlainRun(p, limit, end, out);
    if (!LineEndAt(p, end, next) || static_cast<size_t>(p - start) + 1 > room)
        return -1;
    out[0] = L'\n';
    out[1] = L'\0';
    return static_cast<int>(p - start) + 1;
}

#ifdef RVZ_HAVE_SSE2
// The bytes a short pair is looked for in, and the buffered bytes and characters of room it
// needs, so that every load and store below stays inside them.
constexpr int kWindow = 32;
constexpr size_t kShortPairBytes = 2 * kWindow;
constexpr size_t kShortPairRoom = kWindow + 2;

// Bit i of each mask tells of byte i of the window (of its second half, once that is marked).
struct WindowMarks
{
    std::uint32_t lineFeeds = 0;
    std::uint32_t odd = 0;    // a control byte up to CR but LF, or above ASCII
    std::uint32_t spaces = 0; // of the first half only, where a short code line stands
};

std::uint32_t Marked(__m128i bytes, char c)
{
    return static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(c))));
}

// The bytes below 14 (NUL, the blanks \t to \r, LF among them) and, as signed bytes, those above
// ASCII. A short pair holds none but its line ends: a pair with a tab, or any such byte, is
// left to the other reads, and the value's only blank is the space.
std::uint32_t LowOrHigh(__m128i bytes)
{
    return static_cast<std::uint32_t>(
        _mm_movemask_epi8(_mm_cmplt_epi8(bytes, _mm_set1_epi8(14))));
}

const __m128i* Half(const unsigned char* p, int half)
{
    return reinterpret_cast<const __m128i*>(p + 16 * half);
}

// Marks the window's first half, and its second only when the first holds no whole pair: most
// pairs of a drawing end within sixteen bytes, and no later bit is looked at.
WindowMarks MarkWindow(const unsigned char* p)
{
    const __m128i low = _mm_loadu_si128(Half(p, 0));
    WindowMarks marks;
    marks.lineFeeds = Marked(low, '\n');
    // Every line feed is among the low bytes, so taking them out is one exclusive or.
    marks.odd = LowOrHigh(low) ^ marks.lineFeeds;
    if ((marks.lineFeeds & (marks.lineFeeds - 1)) == 0)
    {
        const __m128i high = _mm_loadu_si128(Half(p, 1));
        const std::uint32_t feeds = Marked(high, '\n');
        marks.lineFeeds |= feeds << 16;
        marks.odd |= (LowOrHigh(high) ^ feeds) << 16;
    }
    marks.spaces = Marked(low, ' ');
    return marks;
}

// The CRs of the window that stand directly before an LF, where the text mode reads both as
// one LF; looked for only when a window holds an odd byte.
std::uint32_t CrBeforeFeed(const unsigned char* p, std::uint32_t lineFeeds)
{
    const std::uint32_t crs = Marked(_mm_loadu_si128(Half(p, 0)), '\r') |
                              Marked(_mm_loadu_si128(Half(p, 1)), '\r') << 16;
    return crs & (lineFeeds >> 1);
}

// Sixteen bytes widened into sixteen characters at out.
void WidenSixteen(const unsigned char* p, wchar_t* out)
{
    static_assert(sizeof(wchar_t) == 4, "characters are 32-bit here");
    const __m128i zero = _mm_setzero_si128();
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i low = _mm_unpacklo_epi8(bytes, zero), high = _mm_unpackhi_epi8(bytes, zero);
    __m128i* to = reinterpret_cast<__m128i*>(out);
    _mm_storeu_si128(to, _mm_unpacklo_epi16(low, zero));
    _mm_storeu_si128(to + 1, _mm_unpackhi_epi16(low, zero));
    _mm_storeu_si128(to + 2, _mm_unpacklo_epi16(high, zero));
    _mm_storeu_si128(to + 3, _mm_unpackhi_epi16(high, zero));
}

// The number of count (1 to 4) digits at p, or -1 when one of them is no digit; four bytes must
// be readable there. They are read as one word, the first the lowest: the digits are tested at
// once (a borrow or a carry only reaches bytes above one that fails already), then summed in
// pairs.
inline int FourDigits(const unsigned char* p, int count)
{
    std::uint32_t word;
    std::memcpy(&word, p, 4);
    const std::uint32_t values = word - 0x30303030u;
    const std::uint32_t kept = 0xFFFFFFFFu >> (32 - 8 * count);
    if (((values + 0x76767676u) | values) & 0x80808080u & kept)
        return -1;
    // Laid out as four digits with leading zeros, the first digit in the lowest byte: one
    // product gives each pair of digits its value (10 a + b, below 100), the next the four's.
    const std::uint32_t x = values << (32 - 8 * count);
    const std::uint32_t pairs = ((x * 0x0A01u) >> 8) & 0x00FF00FFu;
    return static_cast<int>((pairs * 0x00640001u) >> 16);
}

// Where the lines of a short pair stand in its window.
struct ShortPair
{
    int code = 0;
    int valueStart = 0;  // the value line's first byte
    int valueLength = 0; // its text, without its line end
    size_t taken = 0;    // the bytes up to the next line
};

// A whole pair within the window's 32 bytes, its code line within the first 16, as most pairs
// of a drawing are: both line ends are found at once and every byte before them is checked in
// one test. False for any other pair; at least kShortPairBytes must be buffered. Inlined into
// both takers, so that where the pair stands is never stored.
__attribute__((always_inline)) inline bool FindShortPair(const unsigned char* bytes,
                                                         ShortPair& pair)
{
    const WindowMarks marks = MarkWindow(bytes);
    const std::uint32_t feeds = marks.lineFeeds, valueFeeds = feeds & (feeds - 1);
    if (valueFeeds == 0)
        return false;
    const int codeFeed = __builtin_ctz(feeds), valueFeed = __builtin_ctz(valueFeeds);
    const std::uint32_t before = (1u << valueFeed) - 1;
    std::uint32_t textEnds = feeds;
    if ((marks.odd & before) != 0)
    {
        const std::uint32_t crs = CrBeforeFeed(bytes, feeds);
        if (((marks.odd ^ crs) & before) != 0)
            return false;
        textEnds |= crs;
    }
    if (codeFeed >= 16)
        return false;
    const int codeText = __builtin_ctz(textEnds);
    const int valueStart = codeFeed + 1;
    const int valueText = __builtin_ctz(textEnds >> valueStart) + valueStart;
    // The code line: blanks, then one to four digits up to its end, as codes are written.
    const int blanks = __builtin_ctz(~marks.spaces);
    const int digits = codeText - blanks;
    if (digits < 1 || digits > 4)
        return false;
    pair.code = FourDigits(bytes + blanks, digits);
    if (pair.code < 0)
        return false;
    pair.valueStart = valueStart;
    pair.valueLength = valueText - valueStart;
    pair.taken = static_cast<size_t>(valueFeed) + 1;
    return true;
}

// The count bytes at p widened into characters at out, sixteen at a time: up to 15 bytes
// beyond them are read and as many characters written.
void WidenBySixteen(const unsigned char* p, int count, wchar_t* out)
{
    for (int done = 0; done < count; done += 16)
        WidenSixteen(p + done, out + done);
}

// A short pair's value line widened into buffer with its LF and a NUL: its length as the line
// read counts it, or -1 for any other pair, with nothing read. At least kShortPairBytes must be
// buffered and kShortPairRoom characters free in buffer.
int TakeShortPair(const unsigned char* bytes, wchar_t* buffer, int& code, size_t& taken)
{
    ShortPair pair;
    if (!FindShortPair(bytes, pair))
        return -1;
    const int length = pair.valueLength;
    WidenBySixteen(bytes + pair.valueStart, length, buffer);
    buffer[length] = L'\n';
    buffer[length + 1] = L'\0';
    code = pair.code;
    taken = pair.taken;
    return length + 1;
}
#endif

// Any other pair of plain lines whole within the buffer: the code is read from its bytes and
// only the value line is widened. Out of line, as few pairs come here.
__attribute__((noinline)) int TakeOtherPlainPair(FILE* stream, wchar_t* buffer, size_t room,
                                                 int& code)
{
    size_t avail = 0;
    const unsigned char* bytes = RvzBufferedBytes(stream, avail);
    const unsigned char* end = bytes + avail;
    int plainCode = 0;
    const unsigned char* value = avail > 0 ? PlainCodeLine(bytes, end, room, plainCode) : nullptr;
    const unsigned char* next = nullptr;
    const int length = value ? PlainValueLine(value, end, room, buffer, next) : -1;
    if (length < 0)
        return -1;
    code = plainCode;
    RvzSkipBufferedBytes(stream, static_cast<size_t>(next - bytes));
    return length;
}

} // namespace

int RvzTakePlainPair(FILE* stream, wchar_t* buffer, int n, int& code)
{
    if (!buffer || !stream || n <= 0)
        return -1;
    const size_t room = static_cast<size_t>(n) - 1;
#ifdef RVZ_HAVE_SSE2
    size_t avail = 0;
    const unsigned char* bytes = RvzBufferedBytes(stream, avail);
    if (avail >= kShortPairBytes && room >= kShortPairRoom)
    {
        size_t taken = 0;
        const int length = TakeShortPair(bytes, buffer, code, taken);
        if (length >= 0)
        {
            RvzSkipBufferedBytes(stream, taken);
            return length;
        }
    }
#endif
    return TakeOtherPlainPair(stream, buffer, room, code);
}

namespace
{
// A short pair's value trimmed straight into value: 1, or 0 with nothing read, as when value has
// no room for it yet. Inlined into both trimmed pair reads; it calls nothing, so that they save
// fewer registers.
__attribute__((always_inline)) inline int TakeShortPair(FILE* stream, int n, int& code,
                                                        CString& value)
{
#ifdef RVZ_HAVE_SSE2
    size_t avail = 0;
    const unsigned char* bytes = stream ? RvzBufferedBytes(stream, avail) : nullptr;
    ShortPair pair;
    if (avail < kShortPairBytes || n <= 0 || static_cast<size_t>(n) - 1 < kShortPairRoom ||
        !FindShortPair(bytes, pair))
        return 0;
    // Trimmed as its bytes, which are the characters' own values, and of which only the space is
    // white; the window keeps the widening's reads beyond the text in bounds.
    const unsigned char* first = bytes + pair.valueStart;
    const unsigned char* last = first + pair.valueLength;
    while (first < last && *first == ' ')
        ++first;
    while (last > first && last[-1] == ' ')
        --last;
    const int length = static_cast<int>(last - first);
    if (!value.OverwriteInPlace((length + 15) & ~15,
                                [first, length](wchar_t* to)
                                {
                                    WidenBySixteen(first, length, to);
                                    return length;
                                }))
        return 0;
    code = pair.code;
    RvzSkipBufferedBytes(stream, pair.taken);
    return 1;
#else
    (void)stream, (void)n, (void)code, (void)value;
    return 0;
#endif
}

// A pair that is not short, as readPair takes it (two lines the general way, or plain ones
// only), its value trimmed. Out of line, as few pairs come here.
template <int (*readPair)(FILE*, wchar_t*, int, int&)>
__attribute__((noinline)) int TakeOtherPairTrimmed(FILE* stream, wchar_t* line, int n, int& code,
                                                   CString& value)
{
    const int count = readPair(stream, line, n, code);
    if (count < 0)
        return 0;
    RvzSetTrimmed(value, line, count);
#ifdef RVZ_HAVE_SSE2
    // Room for any short pair's value widened, so that the short read never has to allocate.
    value.Preallocate(kWindow);
#endif
    return 1;
}
} // namespace

int RvzReadTrimmedPair(FILE* stream, wchar_t* line, int n, int& code, CString& value)
{
    return TakeShortPair(stream, n, code, value)
               ? 1
               : TakeOtherPairTrimmed<RvzReadCodeAndLine>(stream, line, n, code, value);
}

int RvzTakeTrimmedPair(FILE* stream, wchar_t* line, int n, int& code, CString& value)
{
    return TakeShortPair(stream, n, code, value)
               ? 1
               : TakeOtherPairTrimmed<RvzTakePlainPair>(stream, line, n, code, value);
}
