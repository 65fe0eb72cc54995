#include "PairStream.h"

#include <algorithm>

#include "dxf/PairValue.h"

namespace
{
// Enough of a long line for every value the census looks at.
const size_t kLongLineKept = 4096;
} // namespace

PairStream::PairStream(FILE* file, int buffer, DxfHoldings& fileView)
    : m_file(file), m_buffer(static_cast<size_t>(buffer), L'\0'), m_fileView(fileView)
{
}

bool PairStream::ReadLine()
{
    // The last place a line can reach holds a line feed until the read: a cut line alone
    // leaves another character there, so no line needs measuring.
    const size_t last = m_buffer.size() - 2;
    m_buffer[last] = L'\n';
    m_length =
        m_file ? RvzReadWideLine(m_buffer.data(), static_cast<int>(m_buffer.size()), m_file) : -1;
    if (m_length < 0)
    {
        if (!m_longLine.empty()) // the file ends inside a cut line
            TakePiece(L"", 0, true);
        return false;
    }
    const bool cut = m_buffer[last] != L'\n' && m_buffer[last] != L'\0';
    if (cut && !m_firstLongLine)
        m_firstLongLine = m_lines + 1;
    m_lines += !cut;
    if (m_sameAsFile && !cut)
        m_fileCodeNext = !m_fileCodeNext; // Next hands the reader's pair on as the file's
    else
    {
        if (m_sameAsFile && !m_fileCodeNext)
            m_fileCode = m_code;
        m_sameAsFile = false;
        TakePiece(m_buffer.data(), static_cast<size_t>(m_length), !cut);
    }
    return true;
}

void PairStream::TakePiece(const wchar_t* piece, size_t length, bool ended)
{
    if (ended && m_longLine.empty())
    {
        TakeWholeLine(piece, static_cast<int>(length));
        return;
    }
    m_longLine.append(piece,
                      std::min(length, kLongLineKept - std::min(kLongLineKept, m_longLine.size())));
    if (ended)
    {
        TakeWholeLine(m_longLine.c_str(), static_cast<int>(m_longLine.size()));
        m_longLine.clear();
    }
}

void PairStream::TakeWholeLine(const wchar_t* line, int length)
{
    if (m_fileCodeNext)
        m_fileCode = _wtoi(line);
    else
    {
        RvzSetTrimmed(m_fileValue, line, length);
        m_fileView.Observe(m_fileCode, m_fileValue);
    }
    m_fileCodeNext = !m_fileCodeNext;
}

bool PairStream::NextByLines()
{
    const long long line = m_lines + 1;
    if (!ReadLine())
        return false;
    m_code = _wtoi(m_buffer.data());
    m_pairLine = line;
    if (!ReadLine())
        return false;
    RvzSetTrimmed(m_value, m_buffer.data(), m_length);
    if (m_sameAsFile)
        m_fileView.Observe(m_code, m_value);
    return true;
}
