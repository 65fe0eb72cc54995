#pragma once
// The parameter text of a plotter command, after its two-letter mnemonic, as numbers.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <cwchar>
#include <string>

#include "plt/CKVPlt.h"

// Bytes of a command's parameter text: from blank up to but not including "A" (digits, signs,
// points, commas, blanks), ";" excepted. None of them ends a command once its mnemonic is read.
struct ParameterBytes
{
    bool in[256] = {};
    constexpr ParameterBytes()
    {
        for (int b = 0x20; b < 0x41; ++b)
            in[b] = b != ';';
    }
};
// Internal to each file that uses it, as an inline variable would keep the module loaded.
constexpr ParameterBytes kParameterBytes;

// How many bytes at the front of [p, p + n) are parameter bytes; eight at a time where a word
// test can tell (a borrow or carry only marks bytes above one that is marked already).
inline size_t ParameterRunLength(const unsigned char* p, size_t n)
{
    size_t i = 0;
#if defined(__GNUC__) && defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    const std::uint64_t ones = 0x0101010101010101ull, highs = 0x8080808080808080ull;
    const auto zeroAt = [&](std::uint64_t x) { return (x - ones) & ~x & highs; };
    for (; i + 8 <= n; i += 8)
    {
        std::uint64_t w;
        std::memcpy(&w, p + i, 8);
        const std::uint64_t marked = (((w + ones * 0x3F) | w) & highs) // "A" and above
                                     | zeroAt(w & (ones * 0xE0))        // below blank
                                     | zeroAt(w ^ (ones * ';'));
        if (marked)
            return i + static_cast<size_t>(__builtin_ctzll(marked) / 8);
    }
#endif
    for (; i < n && kParameterBytes.in[p[i]]; ++i)
    {
    }
    return i;
}

// The pen position's factors of the unit mode: the second pair in mode 1, else the first.
inline void UnitFactors(const CKVPlt& plt, double& sx, double& sy)
{
    const bool second = plt.m_nUnitMode == 1;
    sx = second ? plt.m_Layers.m_dPltScaleX2 : plt.m_Layers.m_dPltScaleX;
    sy = second ? plt.m_Layers.m_dPltScaleY2 : plt.m_Layers.m_dPltScaleY;
}

// The number of the value text [begin, end) alone. Converting in place could read past its end:
// over blanks that open the next value, or on through a comma taken for a decimal point.
inline double ValueBetween(const wchar_t* begin, const wchar_t* end)
{
    const size_t length = static_cast<size_t>(end - begin);
    wchar_t small[64];
    if (length >= sizeof small / sizeof small[0])
        return _wtof(std::wstring(begin, end).c_str());
    std::wmemcpy(small, begin, length);
    small[length] = L'\0';
    return _wtof(small);
}

// The plain whole number at p, an optional sign and up to 15 digits (which a double holds
// exactly), when a value separator or the end follows it: most pen values are, and need no
// conversion. Returns where it ends, or null for any other value.
inline const wchar_t* WholeNumberAt(const wchar_t* p, double& value)
{
    const wchar_t* start = p;
    const bool negative = *p == L'-';
    p += *p == L'-' || *p == L'+';
    const wchar_t* digits = p;
    long long whole = 0;
    for (unsigned digit, taken = 0; taken < 15 && (digit = static_cast<unsigned>(*p - L'0')) < 10;
         ++p, ++taken)
        whole = whole * 10 + digit;
    if (p == digits || !(*p == L'\0' || *p == L',' || (*p == L' ' && p > start)))
        return nullptr;
    value = negative ? -static_cast<double>(whole) : static_cast<double>(whole);
    return p;
}

// Values of a pen command: every comma ends a value, even an empty one; a blank ends a value
// that has begun. Calls onValue with each value's number; returns how many there were.
template <class OnValue> int ForEachPenValue(const CString& label, OnValue onValue)
{
    const wchar_t* p = label.GetString() + (label.GetLength() < 2 ? label.GetLength() : 2);
    int count = 0;
    while (*p)
    {
        double value = 0.0;
        const wchar_t* end = WholeNumberAt(p, value);
        if (!end)
        {
            for (end = p; *end && *end != L',' && !(*end == L' ' && end > p); ++end)
            {
            }
            value = ValueBetween(p, end);
        }
        onValue(value);
        ++count;
        if (!*end)
            break;
        p = end + 1;
    }
    return count;
}

// Values of an arc or circle command: pieces between commas and blanks, empty ones skipped.
// Fills at most `room` values and returns how many the text holds.
inline int ShapeValues(const CString& label, double* values, int room)
{
    const wchar_t* p = label.GetString() + (label.GetLength() < 2 ? label.GetLength() : 2);
    int count = 0;
    for (int i = 0; p[i];)
    {
        if (p[i] == L',' || p[i] == L' ')
        {
            ++i;
            continue;
        }
        if (count < room)
            values[count] = _wtof(p + i);
        ++count;
        while (p[i] && p[i] != L',' && p[i] != L' ')
            ++i;
    }
    return count;
}
