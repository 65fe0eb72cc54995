#pragma once
// Bytes that the line reads copy straight from the stream's buffer as characters.

// ASCII but NUL, CR and LF: such a byte is its own character and ends no line.
struct PlainBytes
{
    bool plain[256] = {};
    constexpr PlainBytes()
    {
        for (int b = 1; b < 0x80; ++b)
            plain[b] = b != '\r' && b != '\n';
    }
};
inline constexpr PlainBytes kPlainBytes;
