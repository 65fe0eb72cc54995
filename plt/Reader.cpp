#include "plt/CKVPlt.h"

#include "plt/Mnemonic.h"
#include "plt/Parameters.h"

namespace
{

// Appends the parameter text that follows in the stream's buffer at once, as reading it a
// character at a time would.
void TakeParameterRun(FILE* file, CString& label)
{
    size_t buffered = 0;
    const unsigned char* bytes = RvzBufferedBytes(file, buffered);
    const size_t run = ParameterRunLength(bytes, buffered);
    wchar_t wide[256];
    for (size_t done = 0; done < run;)
    {
        const size_t count = run - done < 256 ? run - done : 256;
        for (size_t i = 0; i < count; ++i)
            wide[i] = static_cast<wchar_t>(bytes[done + i]);
        label.Append(wide, static_cast<int>(count));
        done += count;
    }
    RvzSkipBufferedBytes(file, run);
}
} // namespace

CKVPlt::CKVPlt()
    : m_pFile(nullptr), m_nPen(0), m_nDrawState(-1), m_chPending(0), m_dPenX(0.0), m_dPenY(0.0),
      m_nUnitMode(0)
{
}

CKVPlt::~CKVPlt()
{
    clear();
}

int CKVPlt::Open(CString path)
{
    clear();
    m_pFile = _wfopen(path, L"r");
    return m_pFile ? 1 : 0;
}

void CKVPlt::clear()
{
    if (m_pFile)
        fclose(m_pFile);
    m_pFile = nullptr;
}

int CKVPlt::GetLayer(CString)
{
    return 1;
}

int CKVPlt::GetLayer(int)
{
    return 1;
}

int CKVPlt::ReadLabel()
{
    const unsigned int kEnd = 0xFFFF;
    for (;;) // once per empty command
    {
        m_strLabel.Empty();
        unsigned int c = fgetwc(m_pFile);
        if (m_chPending >= 0x41)
        {
            m_strLabel += m_chPending;
            m_chPending = 0;
        }
        for (;;)
        {
            if (c == kEnd)
                return 0;
            if (c < 0x20 || c == L';')
                break;
            if (m_strLabel.GetLength() >= 2 && c >= 0x41)
            {
                m_chPending = static_cast<wchar_t>(c);
                break;
            }
            m_strLabel += static_cast<wchar_t>(c);
            if (m_strLabel.GetLength() >= 2)
                TakeParameterRun(m_pFile, m_strLabel);
            c = fgetwc(m_pFile);
        }
        if (!m_strLabel.IsEmpty())
        {
            m_strLabel.Trim();
            return 1;
        }
    }
}

int CKVPlt::Read()
{
    const RvzDecimalPointHeld decimalPoint; // asked of the locale once for the whole read
    if (!m_pFile || !ReadLabel())
        return 0;
    for (;;)
    {
        auto is = [&](const wchar_t* name) { return IsMnemonic(m_strLabel, name); };
        int result = 1;
        bool readNext = true; // else the handler has left the next command in m_strLabel
        if (is(L"SP"))
        {
            m_strPen = m_strLabel;
            m_nPen = _wtoi(m_strLabel.GetString() + 2);
            m_nDrawState = 0;
        }
        else if (is(L"PU") || is(L"LB"))
        {
            m_nDrawState = 0;
            result = ReadPolyline(0);
            readNext = false;
        }
        else if (is(L"PD"))
        {
            m_nDrawState = 0;
            result = ReadPolylineEx(0);
            readNext = false;
        }
        else if (is(L"LT"))
            m_nDrawState = 0;
        else if (is(L"AA") || is(L"AR"))
            result = ReadArc(is(L"AR") ? 1 : 0);
        else if (is(L"PA") || is(L"PR"))
        {
            const int relative = is(L"PR") ? 1 : 0;
            result = m_nDrawState == 0 ? ReadPolyline(relative) : ReadXY(m_strLabel, relative);
            readNext = false;
        }
        else if (is(L"CI"))
            result = ReadCircle(0);
        if (result == 0 || (readNext && !ReadLabel()))
            return 0;
    }
}
