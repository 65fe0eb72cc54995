#pragma once
// The parameter text of a plotter command, after its two-letter mnemonic, as numbers.
#include <cwchar>
#include <string>

#include "plt/CKVPlt.h"

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

// A pen value read as it is scanned, while it is a plain whole number: an optional sign, then
// up to 15 digits, which a double holds exactly. Most values are, and need no conversion.
class WholeNumber
{
  public:
    void Take(wchar_t c, bool first)
    {
        if (c >= L'0' && c <= L'9' && m_digits < 15)
        {
            m_whole = m_whole * 10 + (c - L'0');
            ++m_digits;
        }
        else if (first && (c == L'-' || c == L'+'))
            m_negative = c == L'-';
        else
            m_plain = false;
    }
    bool Holds() const { return m_plain && m_digits > 0; }
    double Value() const
    {
        const double value = static_cast<double>(m_whole);
        return m_negative ? -value : value;
    }

  private:
    long long m_whole = 0;
    int m_digits = 0;
    bool m_negative = false;
    bool m_plain = true;
};

// Values of a pen command: every comma ends a value, even an empty one; a blank ends a value
// that has begun. Calls onValue with each value's number; returns how many there were.
template <class OnValue> int ForEachPenValue(const CString& label, OnValue onValue)
{
    const wchar_t* p = label.GetString() + (label.GetLength() < 2 ? label.GetLength() : 2);
    int count = 0, start = 0, i = 0;
    WholeNumber whole;
    auto endValue = [&]
    {
        onValue(whole.Holds() ? whole.Value() : ValueBetween(p + start, p + i));
        ++count;
        whole = WholeNumber();
    };
    for (; p[i]; ++i)
        if (p[i] == L',' || (p[i] == L' ' && i > start))
        {
            endValue();
            start = i + 1;
        }
        else
            whole.Take(p[i], i == start);
    if (start < i)
        endValue();
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
