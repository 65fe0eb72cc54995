#include "DieWalk.h"

#include <string_view>

namespace
{
constexpr std::wstring_view kReaders[] = {L"LINE",       L"POLYLINE", L"SPLINE",
                                          L"LWPOLYLINE", L"ARC",      L"CIRCLE"};
} // namespace

bool DieWalk::Reads(const std::string& type)
{
    return type == "LINE" || type == "POLYLINE" || type == "SPLINE" || type == "LWPOLYLINE" ||
           type == "ARC" || type == "CIRCLE";
}

std::string DieWalk::ClassOf(const std::string& type)
{
    return type == "ARC" || type == "CIRCLE" ? "circle" : "polyline";
}

WalkOutcome DieWalk::Run()
{
    WalkOutcome outcome;
    outcome.result = ReadData();
    if (outcome.result == 0)
    {
        if (m_inside)
            outcome.stop = StopHere("stop-eof-in-entity");
        else if (!m_foundTable)
            outcome.stop = StopHere("stop-die-no-table");
        else if (!m_foundEntities)
            outcome.stop = StopHere("stop-die-no-entities");
        else
            outcome.stop = StopHere("stop-die-no-endsec");
    }
    else
        outcome.unreachedReason = "not-reached-after-endsec";
    for (const auto& [type, row] : m_entities.Rows())
        outcome.predicted[ClassOf(type)] += row.kept;
    return outcome;
}

int DieWalk::ReadLayer()
{
    if (!Next())
        return 0;
    while (!Is(L"TABLE"))
        if (!Next())
            return 0;
    m_foundTable = true;
    for (;;)
    {
        if (Is(L"ENTITIES"))
            return m_foundEntities = true;
        if (!(Is(L"LAYER") ? AddLayer() : Next()))
            return 0;
    }
}

int DieWalk::AddLayer()
{
    CString name;
    int colourClass = 0;
    bool accepted = false;
    if (!Next())
        return 0;
    while (m_s.Code() != 0)
    {
        const int value = _wtoi(m_s.Value());
        if (m_s.Code() == 2)
            name = m_s.Value();
        else if (m_s.Code() == 62 && (value == 1 || value == 7))
            colourClass = value;
        else if (m_s.Code() == 70 && value != 1)
            accepted = true;
        if (!Next())
            return 0;
    }
    if (accepted && colourClass)
        (colourClass == 1 ? m_colour1 : m_colour7).insert(name.str());
    return 1;
}

int DieWalk::LayerOf(const CString& name) const
{
    if (m_colour1.count(name.str()))
        return 0;
    return m_colour7.count(name.str()) ? 1 : -1;
}

std::string_view DieWalk::LineTypeRule(int colour, int layer)
{
    if (colour == 1 || colour == 7)
        return "";
    if (colour == 0 || colour == 256)
        return layer >= 0 ? "" : "die-layer";
    return "die-colour";
}

int DieWalk::Skip()
{
    if (m_s.Code() == 0)
        Finish(Begin(), Is(L"SEQEND") ? "part-of-polyline" : "type-not-read");
    do
        if (!Next())
            return 0;
    while (m_s.Code() != 0);
    return 1;
}

int DieWalk::ReadData()
{
    if (!ReadLayer() || !Next())
        return 0;
    while (!Is(L"ENDSEC"))
    {
        int reader = -1;
        for (int i = 0; i < 6 && reader < 0; ++i)
            if (Is(kReaders[i]))
                reader = i;
        const auto atCodeZero = [this] { return m_s.Code() == 0; };
        int result;
        if (reader == 1) // POLYLINE: to its SEQEND, whatever lies between
            result = ReadEntity(true, [this] { return Is(L"SEQEND"); });
        else if (reader == 3) // LWPOLYLINE
            result = ReadEntity(true, [this] {
                return Is(L"SEQEND") || (m_s.Code() == 0 && !Is(L"VERTEX"));
            });
        else if (reader == 2) // SPLINE
            result = ReadEntity(true, atCodeZero);
        else if (reader >= 0) // LINE, ARC, CIRCLE: the last group 8 counts
            result = ReadEntity(false, atCodeZero);
        else
            result = Skip();
        if (!result)
            return 0;
    }
    return 1;
}

template <class Ends> int DieWalk::ReadEntity(bool firstLayerOnly, Ends ends)
{
    const Entity entity = Begin();
    if (!Next())
        return CutOff(entity);
    int colour = 0, layer = -1;
    bool layerTaken = false;
    while (!ends())
    {
        if (m_s.Code() == 0)
            TakenInto(Is(L"VERTEX") ? "part-of-polyline" : "swallowed-by-polyline");
        else if (m_s.Code() == 8 && !(firstLayerOnly && layerTaken))
        {
            layer = LayerOf(m_s.Value());
            layerTaken = true;
        }
        else if (m_s.Code() == 62)
            colour = _wtoi(m_s.Value());
        if (!Next())
            return CutOff(entity);
    }
    Finish(entity, LineTypeRule(colour, layer));
    return 1;
}
