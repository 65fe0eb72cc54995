#include "Text.h"

namespace
{
// Length of the valid UTF-8 sequence at s[0], with its code point; 0 when it is not one.
int DecodeSequence(const unsigned char* s, size_t available, unsigned int& cp)
{
    const unsigned int lead = s[0];
    const int extra = lead >= 0xC2 && lead <= 0xDF   ? 1
                      : lead >= 0xE0 && lead <= 0xEF ? 2
                      : lead >= 0xF0 && lead <= 0xF4 ? 3
                                                     : 0;
    if (extra == 0 || static_cast<size_t>(extra) >= available)
        return 0;
    cp = lead & (0x3Fu >> extra);
    for (int k = 1; k <= extra; ++k)
    {
        if ((s[k] & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (s[k] & 0x3Fu);
    }
    const unsigned int least[] = {0, 0x80, 0x800, 0x10000};
    if (cp < least[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return extra + 1;
}
} // namespace

CString WideFromUtf8(const std::string& text)
{
    std::wstring out;
    const auto* s = reinterpret_cast<const unsigned char*>(text.data());
    for (size_t i = 0; i < text.size();)
    {
        unsigned int cp = 0;
        int length = DecodeSequence(s + i, text.size() - i, cp);
        if (!length)
            cp = s[i];
        if (sizeof(wchar_t) == 2 && cp > 0xFFFF) // UTF-16: a surrogate pair
        {
            out += static_cast<wchar_t>(0xD7C0 + (cp >> 10));
            cp = 0xDC00 + (cp & 0x3FF);
        }
        out += static_cast<wchar_t>(cp);
        i += length ? static_cast<size_t>(length) : 1;
    }
    return CString(std::move(out));
}

std::string XmlText(const std::string& utf8)
{
    std::string out;
    for (unsigned char c : utf8)
    {
        switch (c)
        {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            if (c < 0x20 && c != '\t' && c != '\n' && c != '\r')
                out += "\xEF\xBF\xBD";
            else
                out += static_cast<char>(c);
        }
    }
    return out;
}
