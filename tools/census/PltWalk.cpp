#include "PltWalk.h"

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
                    m_tally.Dropped(Mnemonic(), "plt-cut-off");
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
            c = fgetwc(m_file);
        }
        if (!m_label.IsEmpty())
        {
            m_label.Trim();
            return true;
        }
    }
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
        for (long long i = 0; i < count; ++i)
            m_tally.Fate(mnemonic, reason);
    m_chain.clear();
}

int PltWalk::Polyline(bool fromPen)
{
    long long points = fromPen ? 1 : 0;
    ++m_chain[Mnemonic()];
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
        ++m_chain[Mnemonic()];
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
        const std::string mnemonic = Mnemonic();
        bool readNext = true;
        int result = 1;
        if (Is(L"SP") || Is(L"LT"))
        {
            m_drawState = 0;
            m_tally.PassedOver(mnemonic, "plt-setting");
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
                m_tally.PassedOver(mnemonic, "plt-pen-move");
                result = ReadLabel();
            }
            readNext = false;
        }
        else
            m_tally.PassedOver(mnemonic, "plt-not-read");
        going = result != 0 && (!readNext || ReadLabel());
    }
    m_outcome.result = 0;
    m_outcome.stop = StopPoint{m_lines + 1, "stop-plt", ReasonText("stop-plt")};
    return m_outcome;
}
