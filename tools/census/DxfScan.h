#pragma once
// What the two DXF importers' walks share in the census: the pair stream seen by the file's
// holdings as it is read, the entity being read, and where the fate of each entity is noted.
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "Census.h"
#include "DxfHoldings.h"
#include "PairStream.h"
#include "Tally.h"

// The holdings as the reader's pairs show them: the file's own until a line the reader cuts
// shifts its pairs, and only from there on followed apart, from a copy of the file's.
class ReaderHoldings
{
  public:
    ReaderHoldings(const DxfHoldings& file, const Explanation& fileExplanation,
                   const PairStream& stream)
        : m_file(file), m_fileExplanation(fileExplanation), m_stream(stream)
    {
    }

    // The pair the stream has just handed the reader.
    void Observe(int code, const CString& value)
    {
        if (m_own)
            m_own->Observe(code, value);
        else if (m_stream.FirstLongLine())
            Part(code, value);
        // else the file's holdings have seen the same pair
    }
    const DxfHoldings& View() const { return m_own ? *m_own : m_file; }
    const Holdings& Holds() const { return m_own ? m_explanation.holds : m_fileExplanation.holds; }

  private:
    // Follows the reader's pairs apart from here on. Out of line, as it happens once at most.
    void Part(int code, const CString& value);

    const DxfHoldings& m_file;
    const Explanation& m_fileExplanation;
    const PairStream& m_stream;
    Explanation m_explanation;
    std::optional<DxfHoldings> m_own;
};

// What a walk found out, besides the fates in its tallies.
struct WalkOutcome
{
    int result = 0;
    std::optional<StopPoint> stop;              // where and why a read returned 0
    std::string unreachedReason; // why a read that returned 1 left entities after its end
    std::map<std::string, long long> predicted; // shapes expected by class
};

class DxfScan
{
  public:
    DxfScan(PairStream& stream, ReaderHoldings& holdings, TypeNames& names, Tally& entities,
            Tally& blockEntities)
        : m_s(stream), m_h(holdings), m_names(names), m_entities(entities),
          m_blockEntities(blockEntities)
    {
    }

  protected:
    struct Entity
    {
        const std::string* type = nullptr; // its name, as the type names keep it
        long long line = 0;
        bool sectionEntity = false; // a group-0 pair of the ENTITIES section
    };

    bool Next()
    {
        if (!m_s.Next())
            return false;
        m_h.Observe(m_s.Code(), m_s.Value());
        return true;
    }
    bool Is(std::wstring_view keyword) const { return m_s.Is(keyword); }
    template <std::size_t N> bool Is(const wchar_t (&keyword)[N]) const { return m_s.Is(keyword); }

    // The entity whose type is the current value; reading it may stop inside it.
    Entity Begin()
    {
        Entity entity{&m_names.Of(m_s.Value()), m_s.Line(), m_h.View().PairStartsSectionEntity()};
        m_inside = entity;
        return entity;
    }
    // Notes the entity's fate: kept for "", else the reason code.
    void Finish(const Entity& entity, std::string_view reason);
    // A reader met the end of the file inside the entity: 0 for its callers.
    int CutOff(const Entity& entity)
    {
        Finish(entity, "file-ends-inside");
        m_inside = entity;
        return 0;
    }
    // A group-0 pair of the ENTITIES section that a reader took into its own entity.
    void TakenInto(std::string_view reason);
    // The stop of a read that returned 0, by what was being read then.
    StopPoint StopHere(const std::string& code, const std::string& detail1 = "",
                       const std::string& detail2 = "") const;

    PairStream& m_s;
    ReaderHoldings& m_h;
    TypeNames& m_names;
    Tally& m_entities;
    Tally& m_blockEntities;
    bool m_inBlock = false;
    std::optional<Entity> m_inside; // the entity a read failed in
};
