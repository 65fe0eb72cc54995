#include "DxfScan.h"

#include "Reasons.h"

void ReaderHoldings::Part(int code, const CString& value)
{
    m_explanation = m_fileExplanation;
    m_own.emplace(m_file, m_explanation);
    m_own->Observe(code, value);
}

void DxfScan::Finish(const Entity& entity, std::string_view reason)
{
    m_inside.reset();
    if (m_inBlock)
    {
        m_blockEntities.Fate(*entity.type, reason);
        return;
    }
    if (!entity.sectionEntity)
        m_entities.Outside(*entity.type);
    m_entities.Fate(*entity.type, reason);
}

void DxfScan::TakenInto(std::string_view reason)
{
    if (m_inBlock || !m_h.View().PairStartsSectionEntity())
        return;
    m_entities.Fate(m_names.Of(m_s.Value()), reason);
}

StopPoint DxfScan::StopHere(const std::string& code, const std::string& detail1,
                            const std::string& detail2) const
{
    StopPoint stop{m_s.LinesRead(), code, ""};
    if (m_s.FirstLongLine())
    {
        stop.code = "stop-long-line";
        stop.text = ReasonText(stop.code, std::to_string(m_s.Limit()),
                               std::to_string(*m_s.FirstLongLine())) +
                    "; then: ";
    }
    if (code == "stop-eof-in-entity" && m_inside)
        stop.text += ReasonText(code, *m_inside->type, std::to_string(m_inside->line));
    else
        stop.text += ReasonText(code, detail1, detail2);
    return stop;
}
