#include "PltWalk.h"

#include <algorithm>
#include <iterator>

#include "Reasons.h"
#include "plt/Parameters.h"

std::string PltWalk::ClassOf(const std::string& mnemonic)
{
    return mnemonic == "AA" || mnemonic == "AR" || mnemonic == "CI" ? "circle" : "polyline";
}

bool PltWalk::ReadLabel()
{
    const unsigned int kEnd = 0xFFFF;
    for (;;)
    {
        m_label.Empty();
        unsigned int c = fgetwc(m_file);
        if (m_pending >= 0x41)
        {
            m_label += m_pending;
            m_pending = 0;
        }
        for (;;)
        {
            if (c == kEnd)
            {
                if (!m_label.IsEmpty()) // the last command, with nothing after it
                    m_tally.Fate(Mnemonic(), "plt-cut-off");
                return false;
            }
            m_lines += c == L'\n';
            if (c < 0x20 || c == L';')
                break;
            if (m_label.GetLength() >= 2 && c >= 0x41)
            {
                m_pending = static_cast<wchar_t>(c);
                break;
            }
            m_label += static_cast<wchar_t>(c);
            if (m_label.GetLength() >= 2)
                TakeParameterRun();
            c = fgetwc(m_file);
        }
        if (!m_label.IsEmpty())
        {
            m_label.Trim();
            NameCommand();
            return true;
        }
    }
}

void PltWalk::TakeParameterRun()
{
    // Digits, signs, points, commas and blanks: the characters the loop above would add one
    // at a time, taken from the stream's buffer at once.
    size_t buffered = 0;
    const unsigned char* bytes = RvzBufferedBytes(m_file, buffered);
    const size_t run = ParameterRunLength(bytes, buffered);
    wchar_t wide[256];
    for (size_t done = 0; done < run;)
    {
        const size_t count = std::min(run - done, std::size(wide));
        std::copy(bytes + done, bytes + done + count, wide);
        m_label.Append(wide, static_cast<int>(count));
        done += count;
    }
    RvzSkipBufferedBytes(m_file, run);
}

void PltWalk::NameCommand()
{
    // The row name depends on the first two characters alone, and a file uses few of them.
    const wchar_t first = m_label.GetLength() > 0 ? m_label[0] : L'\0';
    const wchar_t second = m_label.GetLength() > 1 ? m_label[1] : L'\0';
    for (const NamedCommand& named : m_named)
        if (named.first == first && named.second == second)
        {
            m_mnemonic = named.name;
            return;
        }
    m_mnemonic = Mnemonic();
    if (m_named.size() < kNamedCommands)
        m_named.push_back({first, second, m_mnemonic});
}

std::string PltWalk::Mnemonic() const
{
    CString label = m_label;
    label.TrimLeft();
    const auto isLetter = [](wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); };
    // Encoded data (PE, binary runs) falls apart into pieces that name no command: one row.
    if (label.GetLength() < 2 || !isLetter(label[0]) || !isLetter(label[1]))
        return "(no mnemonic)";
    return m_names.Of(label.Left(2));
}

int PltWalk::PenPoints() const
{
    const int values = ForEachPenValue(m_label, [](double) {});
    return values / 2 + values % 2; // a lone X is completed with the old Y
}

int PltWalk::ShapeValueCount() const
{
    return ShapeValues(m_label, nullptr, 0);
}

void PltWalk::NoteChain(const std::string& reason)
{
    for (const auto& [mnemonic, count] : m_chain)
        m_tally.Fate(mnemonic, reason, count);
    m_chain.clear();
}

void PltWalk::AddToChain()
{
    for (auto& [mnemonic, count] : m_chain)
        if (mnemonic == m_mnemonic)
        {
            ++count;
            return;
        }
    m_chain.emplace_back(m_mnemonic, 1);
}

int PltWalk::Polyline(bool fromPen)
{
    long long points = fromPen ? 1 : 0;
    AddToChain();
    points += PenPoints();
    for (;;)
    {
        if (!ReadLabel())
        {
            NoteChain("plt-open-at-end");
            return 0;
        }
        if (!Is(L"PD") && !Is(L"PA") && !Is(L"PR"))
            break;
        m_drawState = 1;
        AddToChain();
        if (points < 2) // only whether the chain reaches two points matters
            points += PenPoints();
    }
    if (points < 2)
        NoteChain("plt-pen-move");
    else
    {
        NoteChain("");
        ++m_outcome.predicted["polyline"];
    }
    return 1;
}

WalkOutcome PltWalk::Run()
{
    bool going = m_file && ReadLabel();
    while (going)
    {
        const std::string mnemonic = m_mnemonic;
        bool readNext = true;
        int result = 1;
        if (Is(L"SP") || Is(L"LT"))
        {
            m_drawState = 0;
            m_tally.Fate(mnemonic, "plt-setting");
        }
        else if (Is(L"PU") || Is(L"LB") || Is(L"PD"))
        {
            m_drawState = 0;
            result = Polyline(Is(L"PD"));
            readNext = false;
        }
        else if (Is(L"AA") || Is(L"AR") || Is(L"CI"))
        {
            const bool enough = ShapeValueCount() >= (Is(L"CI") ? 1 : 3);
            m_tally.Fate(mnemonic, enough ? "" : "plt-too-few-values");
            m_outcome.predicted["circle"] += enough;
        }
        else if (Is(L"PA") || Is(L"PR"))
        {
            if (m_drawState == 0)
                result = Polyline(false);
            else
            {
                m_tally.Fate(mnemonic, "plt-pen-move");
                result = ReadLabel();
            }
            readNext = false;
        }
        else
            m_tally.Fate(mnemonic, "plt-not-read");
        going = result != 0 && (!readNext || ReadLabel());
    }
    m_outcome.result = 0;
    m_outcome.stop = StopPoint{m_lines + 1, "stop-plt", ReasonText("stop-plt")};
    return m_outcome;
}
