#include "PairStream.h"

#include <cwchar>

#include "dxf/PairValue.h"

PairStream::PairStream(FILE* file, int buffer)
    : m_file(file), m_buffer(static_cast<size_t>(buffer), L'\0')
{
}

bool PairStream::ReadLine()
{
    if (!m_file || !fgetws(m_buffer.data(), static_cast<int>(m_buffer.size()), m_file))
        return false;
    const size_t length = std::wcslen(m_buffer.data());
    const bool ended = length > 0 && m_buffer[length - 1] == L'\n';
    if (!ended && static_cast<int>(length) == Limit() && !m_firstLongLine)
        m_firstLongLine = m_lines + 1;
    if (ended)
        ++m_lines;
    return true;
}

bool PairStream::Next()
{
    const long long line = m_lines + 1;
    if (!ReadLine())
        return false;
    m_code = _wtoi(m_buffer.data());
    m_pairLine = line;
    if (!ReadLine())
        return false;
    SetTrimmedValue(m_value, m_buffer.data());
    return true;
}
