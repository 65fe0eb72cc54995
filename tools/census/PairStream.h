#pragma once
// Group-code pairs read the way a DXF importer reads them: lines of at most a fixed number of
// characters (a longer line arrives in pieces), codes by _wtoi, values trimmed at both ends.
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "DxfHoldings.h"
#include "dxf/PairValue.h"
#include "platform/Afx.h"
#include "platform/WinCrt.h"

class PairStream
{
  public:
    // buffer: the size the importer passes to its line read, 2048 (general) or 255 (die).
    // fileView: told every pair as the file itself has it, whole lines however long; these
    // differ from the reader's pairs only after a line the reader cuts.
    PairStream(FILE* file, int buffer, DxfHoldings& fileView);

    // The next pair; false at the end of the file, with the code of a lone code line taken.
    bool Next()
    {
        // Two whole plain lines at once, as the readers take them, while the file's pairs are
        // the reader's; any other pair's lines the census must see one by one.
        if (m_sameAsFile && m_file &&
            RvzTakeTrimmedPair(m_file, m_buffer.data(), static_cast<int>(m_buffer.size()), m_code,
                               m_value))
        {
            m_pairLine = m_lines + 1;
            m_lines += 2;
            m_fileView.Observe(m_code, m_value);
            return true;
        }
        return NextByLines();
    }
    int Code() const { return m_code; }
    const CString& Value() const { return m_value; }
    // The value is the keyword (upper case), ignoring case; one of another length is told at once.
    bool Is(std::wstring_view keyword) const
    {
        return IsKeyword(m_value, keyword.data(), keyword.size());
    }
    // A keyword written out, its length known without measuring.
    template <std::size_t N> bool Is(const wchar_t (&keyword)[N]) const
    {
        return IsKeyword(m_value, keyword);
    }

    // The file line of the current pair's code line, and the number of lines read so far.
    long long Line() const { return m_pairLine; }
    long long LinesRead() const { return m_lines; }
    // The characters a line may hold before it is cut, and the first line that was cut.
    int Limit() const { return static_cast<int>(m_buffer.size()) - 1; }
    std::optional<long long> FirstLongLine() const { return m_firstLongLine; }

  private:
    bool NextByLines();
    bool ReadLine();
    // Takes a piece of a line into the file's own pairs.
    void TakePiece(const wchar_t* piece, size_t length, bool ended);
    void TakeWholeLine(const wchar_t* line, int length);

    FILE* m_file;
    std::vector<wchar_t> m_buffer;
    int m_length = -1; // of the text in m_buffer, as the line read counted it
    int m_code = 0;
    CString m_value;
    long long m_lines = 0; // lines finished by a line feed
    long long m_pairLine = 0;
    std::optional<long long> m_firstLongLine;

    DxfHoldings& m_fileView;
    std::wstring m_longLine;  // the start of a line the reader cuts, up to a bound
    bool m_sameAsFile = true; // no line has been cut yet: the file's pairs are the reader's
    bool m_fileCodeNext = true;
    int m_fileCode = 0;
    CString m_fileValue;
};
