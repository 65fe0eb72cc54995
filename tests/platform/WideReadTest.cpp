#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <thread>
#include <tuple>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "platform/Afx.h"
#include "support/TempFile.h"

// One line read, embedded NULs included: the buffer is prefilled with a mark, so the
// terminator is the NUL just before the first mark left.
static bool ReadLine(FILE* f, int size, std::wstring& line)
{
    std::wstring buffer(static_cast<size_t>(size), L'\xFFFE');
    if (!fgetws(&buffer[0], size, f))
        return false;
    line = buffer.substr(0, std::min(buffer.find(L'\xFFFE'), buffer.size()) - 1);
    return true;
}

TEST(WideRead, LineReadTranslatesCrLfDecodesUtf8AndSplitsAtTheBuffer)
{
    const std::tuple<std::string, int, std::vector<std::wstring>> cases[] = {
        {"a\r\nb\rc\n\r", 64, {L"a\n", L"b\rc\n", L"\r"}},
        {"abcdefg\nxy", 4, {L"abc", L"def", L"g\n", L"xy"}},
        {"ab\r\ncd\r", 4, {L"ab\n", L"cd\r"}}, // a CR LF at the limit is still one character
        {std::string("ab\0cd\n", 6), 64, {std::wstring(L"ab\0cd\n", 6)}},
        {"", 64, {}},
#ifndef _WIN32 // Windows decodes by the locale's code page instead (WindowsCrtTest)
        // U+00E9, U+20AC, U+1F600, then what is no UTF-8 comes byte by byte: a lone 0xE9, a
        // truncated sequence, an overlong form and a surrogate.
        {"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xE9x\xE2\x82y\xC0\xAF\xED\xA0\x80", 64,
         {L"\u00E9\u20AC\U0001F600\u00E9x\u00E2\u0082y\u00C0\u00AF\u00ED\u00A0\u0080"}},
#endif
    };
    for (const auto& [bytes, size, expected] : cases)
    {
        TempFile file(bytes, "_\xC3\xA9.txt"); // a name that is not ASCII, widened from UTF-8
        const std::u32string name = file.Path().u32string();
        FILE* f = _wfopen(std::wstring(name.begin(), name.end()).c_str(), L"r");
        ASSERT_NE(f, nullptr);
        std::vector<std::wstring> lines;
        for (std::wstring line; ReadLine(f, size, line);)
            lines.push_back(line);
        EXPECT_EQ(lines, expected) << "buffer of " << size;
        EXPECT_EQ(fgetwc(f), 0xFFFFu);
        fclose(f);
    }
}

TEST(WideRead, LineReadGivesTheCharactersOfTheCharacterReadAtEveryBufferSize)
{
    // Pieces that stress every exit of the ASCII run: CR LF, lone CR, UTF-8 of two, three and
    // four bytes, a lone high byte, a broken sequence and a NUL; repeated past the stream's 64 KiB
    // buffer with shifting lengths, so that runs and sequences straddle every refill.
    const char* pieces[] = {"  10\r\n", "1234.567890\n", "\xC3\xA9t\xE2\x82\xAC\n", "a\rb\r",
                            "\xF0\x9F\x98\x80", "\xE9x", "\xE2\x82y", "LINE\n"};
    std::string text;
    for (unsigned i = 0; text.size() < 200000; ++i)
        text += pieces[i % 8] + std::string(i % 13, 'k') + std::string(i % 5 ? 0 : 1, '\0');
    TempFile file(text, ".txt");
    FILE* f = _wfopen(file.WidePath().c_str(), L"r");
    std::wstring expected;
    for (unsigned c; (c = fgetwc(f)) != 0xFFFFu;)
        expected += static_cast<wchar_t>(c);
    fclose(f);
    for (int size : {2, 3, 7, 255, 2048})
    {
        f = _wfopen(file.WidePath().c_str(), L"r");
        std::wstring taken, line;
        // Every third step a character read in between, on the same stream.
        for (unsigned i = 0, c; ReadLine(f, size, line); ++i)
        {
            taken += line;
            if (i % 3 == 0 && (c = fgetwc(f)) != 0xFFFFu)
                taken += static_cast<wchar_t>(c);
        }
        fclose(f);
        auto diverge = std::mismatch(taken.begin(), taken.end(), expected.begin(), expected.end());
        EXPECT_TRUE(taken == expected) << "buffer of " << size << ": first difference at "
                                       << diverge.first - taken.begin();
    }
}

TEST(WideRead, LineReadWithLengthCountsUpToANulAndSaysEndOfFile)
{
    TempFile file(std::string("ab\0cd\r\nxyz", 10), ".txt");
    FILE* f = _wfopen(file.WidePath().c_str(), L"r");
    wchar_t line[16];
    EXPECT_EQ(RvzReadWideLine(line, 16, f), 2); // "ab", as wcslen counts the line
    EXPECT_EQ(std::wstring(line + 3, 3), L"cd\n");
    EXPECT_EQ(RvzReadWideLine(line, 16, f), 3);
    EXPECT_EQ(RvzReadWideLine(line, 16, f), -1);
    fclose(f);
}

// The pair reads must give what two line reads and _wtoi give (the trimmed one, the value line
// trimmed), pair by pair, whatever the lines: bare codes, blanks, signs, long digit runs, CR LF,
// a lone CR, NULs, UTF-8 and lines at and past the limit, straddling the stream's 64 KiB buffer
// at shifting places.
TEST(WideRead, PairReadGivesWhatTwoLineReadsGive)
{
    const char* pieces[] = {"  10\n", "1234.567890\n", "-5\r\n", "LINE\r\n", "\n", " \n",
                            "+3\n", "12345678901\n", "7 \n", "a\rb\n", "\xC3\xA9t\n",
                            "-2147483649\n", "0\n", "\t5\n", "                 1\n", "-0\r\n"};
    const unsigned count = sizeof pieces / sizeof pieces[0];
    // Short pairs first, and pairs that end beyond their first 16 bytes with a byte there that
    // only the general read takes right.
    std::string text =
        "  8\n  CUT  \n0\nLINE \n 10\n -1.5 \n1071\nA\n10000\nB\n 0x7\nC\n 1 2\nD\n"
        "10\nABCDEFGHIJKLMNOP\t\n10\nABCDEFGHIJKLMNOP\r\n10\nABCDEFGHIJKLM\xC3\xA9\n";
    for (unsigned i = 0; text.size() < 150000; ++i)
        text += pieces[i % count] + std::string(i % 11 == 0 ? i % 300 : i % 7, 'k') +
                std::string(i % 17 ? 0 : 1, '\0') + (i % 3 ? "\n" : "");
    TempFile file(text, ".txt");
    for (int size : {2, 6, 255, 2048})
    {
        FILE* pairs = _wfopen(file.WidePath().c_str(), L"r");
        FILE* lines = _wfopen(file.WidePath().c_str(), L"r");
        FILE* trimmed = _wfopen(file.WidePath().c_str(), L"r");
        std::vector<wchar_t> got(static_cast<size_t>(size)), want(got.size()), spare(got.size());
        CString value;
        for (int step = 0;; ++step)
        {
            int gotCode = -7, wantCode = -7, wantLength = -1, trimmedCode = -7;
            const int gotLength = RvzReadCodeAndLine(pairs, got.data(), size, gotCode);
            const int read = RvzReadTrimmedPair(trimmed, spare.data(), size, trimmedCode, value);
            if (RvzReadWideLine(want.data(), size, lines) >= 0)
            {
                wantCode = _wtoi(want.data());
                wantLength = RvzReadWideLine(want.data(), size, lines);
            }
            ASSERT_EQ(gotLength, wantLength) << "buffer of " << size << ", pair " << step;
            ASSERT_EQ(gotCode, wantCode) << "buffer of " << size << ", pair " << step;
            ASSERT_EQ(read, gotLength < 0 ? 0 : 1) << "buffer of " << size << ", pair " << step;
            if (gotLength < 0)
                break;
            ASSERT_EQ(std::wstring(got.data()), std::wstring(want.data()))
                << "buffer of " << size << ", pair " << step;
            ASSERT_EQ(trimmedCode, wantCode) << "buffer of " << size << ", pair " << step;
            ASSERT_TRUE(value == CString(want.data(), wantLength).Trim())
                << "buffer of " << size << ", pair " << step;
        }
        fclose(pairs);
        fclose(lines);
        fclose(trimmed);
    }
}

TEST(WideOpen, RefusesMissingFilesAndDirectories)
{
    EXPECT_EQ(_wfopen(L"/nonexistent/dir/file.dxf", L"r"), nullptr);
    EXPECT_EQ(_wfopen(std::filesystem::temp_directory_path().wstring().c_str(), L"r"), nullptr);
}

#ifndef _WIN32
// All the lines of a stream, joined.
static std::wstring AllLines(FILE* f)
{
    std::wstring text;
    for (std::wstring line; ReadLine(f, 2048, line);)
        text += line;
    return text;
}

// A file and a pipe read through the stream's own buffer give the same characters, with a
// UTF-8 sequence and a CR LF straddling the seams where the buffer is filled again.
TEST(WideOpen, ReadsFilesAcrossTheirBuffersAsPipesAreRead)
{
    std::string bytes;
    std::wstring expected;
    const size_t seams[] = {(1u << 20) - 1, (2u << 20) - 1};
    for (unsigned i = 0; bytes.size() < (5u << 19); ++i)
    {
        const size_t at = bytes.size();
        if (std::find(std::begin(seams), std::end(seams), at) != std::end(seams))
        {
            bytes += at == seams[0] ? "\xE2\x82\xAC" : "\r\n";
            expected += at == seams[0] ? L"\u20AC" : L"\n";
            continue;
        }
        const char c = i % 40 == 39 ? '\n' : static_cast<char>('a' + i % 26);
        bytes += c;
        expected += static_cast<wchar_t>(c);
    }
    TempFile file(bytes, ".txt");
    FILE* f = _wfopen(file.WidePath().c_str(), L"r");
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(AllLines(f) == expected);
    fclose(f);

    const std::filesystem::path pipe = file.Path().string() + ".pipe";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    std::thread writer([&] { std::ofstream(pipe, std::ios::binary) << bytes; });
    f = _wfopen(pipe.wstring().c_str(), L"r");
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(AllLines(f) == expected);
    fclose(f);
    writer.join();
    std::filesystem::remove(pipe);
}
#endif
