#include "DxfWalk.h"

#include <cwchar>
#include <string_view>

#include "Reasons.h"
#include "platform/WinCrt.h"

namespace
{
// The readers of the ENTITIES section; the first six are the ones a block definition uses.
const std::string_view kReaders[] = {"LINE",    "POLYLINE", "SPLINE", "LWPOLYLINE", "CIRCLE",
                                     "ARC",     "ELLIPSE",  "INSERT", "IMAGE",      "TEXT"};
constexpr std::wstring_view kWideReaders[] = {L"LINE",   L"POLYLINE", L"SPLINE", L"LWPOLYLINE",
                                              L"CIRCLE", L"ARC",      L"ELLIPSE", L"INSERT",
                                              L"IMAGE",  L"TEXT"};
const int kBlockReaders = 6;
const int kAllReaders = 10;
} // namespace

bool DxfWalk::Reads(const std::string& type)
{
    for (std::string_view name : kReaders) // of another length told apart at once
        if (type == name)
            return true;
    return false;
}

std::string DxfWalk::ClassOf(const std::string& type)
{
    if (type == "CIRCLE" || type == "ARC")
        return "circle";
    if (type == "TEXT")
        return "text";
    if (type == "INSERT")
        return "insert";
    return "polyline";
}

WalkOutcome DxfWalk::Run(bool steps)
{
    WalkOutcome outcome;
    outcome.result = steps ? ReadInSteps() : Read();
    if (m_circleWithoutLayer)
        FinishCircle(false);
    if (outcome.result == 0)
    {
        if (m_inside)
            outcome.stop = StopHere("stop-eof-in-entity");
        else if (m_readingBlock)
            outcome.stop = StopHere("stop-eof-in-block", m_block, std::to_string(m_blockLine));
        else
            outcome.stop = StopHere("stop-no-eof");
    }
    else
        outcome.unreachedReason = "not-reached-eof-value";
    for (const auto& [type, row] : m_entities.Rows())
        outcome.predicted[ClassOf(type)] += row.kept;
    return outcome;
}

int DxfWalk::Read()
{
    if (!Next())
        return 0;
    for (;;)
    {
        if (Is(L"EOF"))
            return 1;
        int result;
        if (Is(L"LAYER"))
            result = AddLayer();
        else if (Is(L"BLOCK"))
            result = ReadBlock();
        else if (Is(L"ENTITIES"))
            result = ReadEntities();
        else
            result = Next();
        if (!result)
            return 0;
    }
}

int DxfWalk::ReadInSteps()
{
    return ReadLayer() && ReadC() && ReadEntities();
}

int DxfWalk::ReadLayer()
{
    if (!Next())
        return 0;
    while (!Is(L"TABLE"))
    {
        if (Is(L"ENTITIES") || Is(L"BLOCKS"))
            return 1;
        if (!Next())
            return 0;
    }
    for (;;)
    {
        if (Is(L"BLOCKS"))
            return 1;
        if (!(Is(L"LAYER") ? AddLayer() : Next()))
            return 0;
        if (Is(L"ENTITIES"))
            return 1;
    }
}

int DxfWalk::ReadC()
{
    while (!Is(L"BLOCKS"))
    {
        if (Is(L"ENTITIES"))
            return 1;
        if (!Next())
            return 0;
    }
    for (;;)
    {
        if (!(Is(L"BLOCK") ? ReadBlock() : SkipToNextEntity()))
            return 0;
        if (Is(L"ENDSEC"))
            return 1;
    }
}

int DxfWalk::AddLayer()
{
    if (!Next())
        return 0;
    CString name;
    int colour = -1;
    bool accepted = true;
    while (m_s.Code() != 0)
    {
        if (m_s.Code() == 2)
            name = m_s.Value();
        else if (m_s.Code() == 62)
            colour = _wtoi(m_s.Value());
        else if (m_s.Code() == 70 && _wtoi(m_s.Value()) == 1)
            accepted = false;
        if (!Next())
            return 0;
    }
    if (!accepted || colour < 0)
        return 1;
    // The lookup splits the entry's last three characters off as its colour.
    CString entry = name;
    CString digits;
    digits.Format(L"%03d", colour);
    entry += digits;
    m_layers.insert(entry.Left(entry.GetLength() - 3).str());
    return 1;
}

int DxfWalk::SkipToNextEntity()
{
    do
    {
        if (!Next())
        {
            if (m_circleWithoutLayer)
                FinishCircle(false);
            return 0;
        }
        if (m_circleWithoutLayer && (m_s.Code() == 8 || m_s.Code() == 62))
            FinishCircle(true);
    } while (m_s.Code() != 0);
    if (m_circleWithoutLayer)
        FinishCircle(false);
    return 1;
}

void DxfWalk::FinishCircle(bool layerAfterRadius)
{
    Entity circle = *m_circleWithoutLayer;
    m_circleWithoutLayer.reset();
    Finish(circle, layerAfterRadius ? "circle-layer-after-radius" : "no-layer-or-colour");
}

int DxfWalk::PassOver(std::string_view reason)
{
    if (m_s.Code() == 0)
        Finish(Begin(), reason);
    return SkipToNextEntity();
}

int DxfWalk::Dispatch(bool blockOnly)
{
    const int rows = blockOnly ? kBlockReaders : kAllReaders;
    int reader = -1;
    for (int i = 0; i < rows && reader < 0; ++i)
        if (Is(kWideReaders[i]))
            reader = i;
    if (reader >= 0 && m_circleWithoutLayer) // a CIRCLE whose radius value names a type
        FinishCircle(false);
    switch (reader)
    {
    case 0:
        return ReadLine();
    case 1:
    case 3:
        return ReadPolyline();
    case 2:
        return ReadSpline();
    case 4:
        return ReadCircle();
    case 5:
    case 6:
        return ReadArcOrEllipse();
    case 7:
        return ReadInsert();
    case 8:
        return ReadImage();
    case 9:
        return ReadText();
    default:
        return -1;
    }
}

int DxfWalk::ReadEntities()
{
    while (!Is(L"ENTITIES"))
        if (!Next())
            return 0;
    for (;;)
    {
        int result = Dispatch(false);
        if (result < 0)
            result = PassOver(Is(L"SEQEND") ? "part-of-polyline" : "type-not-read");
        if (!result)
            return 0;
        if (Is(L"ENDSEC"))
            return 1;
    }
}

int DxfWalk::ReadBlock()
{
    m_readingBlock = true;
    m_blockLine = m_s.Line();
    m_block = "?";
    while (m_s.Code() != 2)
        if (!Next())
            return 0;
    m_inBlock = true;
    const CString name = m_s.Value();
    m_block = RvzUtf8FromWide(name);
    m_blockShapes = 0;
    while (m_s.Code() != 0)
        if (!Next())
            return 0;
    while (!Is(L"ENDBLK"))
    {
        int result = Dispatch(true);
        if (result < 0)
        {
            const bool entityElsewhere = m_s.Code() == 0 && Reads(m_names.Of(m_s.Value()));
            result = PassOver(Is(L"SEQEND")    ? "part-of-polyline"
                              : entityElsewhere ? "block-line-work-only"
                                                : "type-not-read");
        }
        if (!result)
            return 0;
    }
    m_inBlock = false;
    m_readingBlock = false;
    m_definedBlocks.insert(name.str());
    if (m_blockShapes > 0)
        m_keptBlocks.insert(name.str());
    return 1;
}

std::string_view DxfWalk::LayerRule(bool hasLayer, std::string_view otherwise)
{
    if (!hasLayer)
        return otherwise;
    m_blockShapes += m_inBlock;
    return "";
}

template <class OnPair> bool DxfWalk::ReadPairs(bool& hasLayer, OnPair onPair)
{
    if (!Next())
        return false;
    while (m_s.Code() != 0)
    {
        hasLayer |= m_s.Code() == 8 || m_s.Code() == 62;
        onPair(m_s.Code());
        if (!Next())
            return false;
    }
    return true;
}

int DxfWalk::ReadLine()
{
    const Entity entity = Begin();
    bool hasLayer = false;
    long long points = 0;
    if (!ReadPairs(hasLayer, [&points](int code) { points += code == 20 || code == 21; }))
        return CutOff(entity);
    Finish(entity, points < 2 ? "fewer-than-two-points" : LayerRule(hasLayer));
    return 1;
}

int DxfWalk::ReadPolyline()
{
    const Entity entity = Begin();
    if (!Next())
        return CutOff(entity);
    bool hasLayer = false, bulgePending = false, skipNextY = false;
    long long points = 0;
    if (!Is(L"SEQEND"))
        while (m_s.Code() != 0 || Is(L"VERTEX"))
        {
            switch (m_s.Code())
            {
            case 0:
                TakenInto("part-of-polyline");
                break;
            case 8:
            case 62:
                hasLayer = true;
                break;
            case 20:
                if (skipNextY)
                    skipNextY = false;
                else if (bulgePending)
                {
                    bulgePending = false;
                    points += points > 0; // a bulge arc adds nothing to an empty polyline
                }
                else
                    ++points;
                break;
            case 42:
                bulgePending = true;
                break;
            case 66:
                skipNextY |= _wtoi(m_s.Value()) == 1;
                break;
            default:
                break;
            }
            if (!Next())
                return CutOff(entity);
            if (Is(L"SEQEND"))
                break;
        }
    Finish(entity, points < 2 ? "fewer-than-two-points" : LayerRule(hasLayer));
    return 1;
}

int DxfWalk::ReadSpline()
{
    const Entity entity = Begin();
    bool hasLayer = false;
    long long points = 0;
    if (!ReadPairs(hasLayer, [&points](int code) { points += code == 20; }))
        return CutOff(entity);
    Finish(entity, points < 2 ? "fewer-than-two-points" : LayerRule(hasLayer));
    return 1;
}

int DxfWalk::ReadCircle()
{
    const Entity entity = Begin();
    if (!Next())
        return CutOff(entity);
    bool hasLayer = false;
    if (m_s.Code() != 0)
        for (;;)
        {
            hasLayer |= m_s.Code() == 8 || m_s.Code() == 62;
            if (m_s.Code() == 40)
                break;
            if (!Next())
                return CutOff(entity);
            if (m_s.Code() == 0)
                break;
        }
    if (hasLayer)
        Finish(entity, LayerRule(true));
    else if (m_s.Code() == 40) // the rest, up to the next entity, tells whether a layer follows
    {
        m_circleWithoutLayer = entity;
        m_inside.reset();
    }
    else
        Finish(entity, "no-layer-or-colour");
    return 1;
}

int DxfWalk::ReadArcOrEllipse()
{
    const Entity entity = Begin();
    bool hasLayer = false;
    if (!ReadPairs(hasLayer, [](int) {}))
        return CutOff(entity);
    Finish(entity, LayerRule(hasLayer));
    return 1;
}

int DxfWalk::ReadInsert()
{
    const Entity entity = Begin();
    bool hasLayer = false;
    std::wstring block;
    if (!ReadPairs(hasLayer, [&](int code) {
            if (code == 2)
                block = m_s.Value().str();
        }))
        return CutOff(entity);
    if (!hasLayer)
        Finish(entity, "no-layer-or-colour");
    else if (m_keptBlocks.count(block))
        Finish(entity, "");
    else
        Finish(entity, m_definedBlocks.count(block) ? "insert-empty-block" : "insert-unknown-block");
    return 1;
}

int DxfWalk::ReadImage()
{
    const Entity entity = Begin();
    bool hasLayer = false;
    double width = 0.0, height = 0.0;
    if (!ReadPairs(hasLayer, [&](int code) {
            if (code == 13)
                width = _wtof(m_s.Value());
            else if (code == 23)
                height = _wtof(m_s.Value());
        }))
        return CutOff(entity);
    Finish(entity, !(width > 0.0) || !(height > 0.0) ? "image-zero-size" : LayerRule(hasLayer));
    return 1;
}

int DxfWalk::ReadText()
{
    const Entity entity = Begin();
    bool hasLayer = false; // a TEXT is kept on any layer or none
    if (!ReadPairs(hasLayer, [](int) {}))
        return CutOff(entity);
    Finish(entity, "");
    return 1;
}
