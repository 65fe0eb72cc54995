#pragma once
// What a DXF file holds, taken pair by pair from the same stream the importer's walk reads:
// header variables, sections, the LAYER table, entities by type in ENTITIES and in blocks,
// and the entity features the importers do not carry over (paper space, INSERT scale, ...).
#include <array>
#include <cmath>
#include <functional>
#include <optional>
#include <string>

#include "Census.h"
#include "Tally.h"
#include "platform/WinCrt.h"

class DxfHoldings
{
  public:
    // readsType: whether the importer makes something of an entity type (for the warnings).
    DxfHoldings(Explanation& explanation, TypeNames& names,
                std::function<bool(const std::string&)> readsType);

    // The same holdings, from here on told into another explanation.
    DxfHoldings(const DxfHoldings& other, Explanation& explanation);

    // Inline: a file's pairs are mostly values of an entity that tell the census nothing.
    void Observe(int code, const CString& value)
    {
        m_pairStartsEntity = false;
        if (code == 0)
            NextObject(value);
        else if (code == 2 && (m_expectSectionName || m_expectTableName))
            Name(value);
        else if (m_section == Section::Header)
            HeaderValue(code, value);
        else if (m_object == Object::Layer)
            LayerValue(code, value);
        else if (m_object == Object::Entity)
            EntityValue(code, value);
    }
    // Ends the last entity once the file is read.
    void Finish();

    // Whether the pair just observed starts an entity of the ENTITIES section.
    bool PairStartsSectionEntity() const { return m_pairStartsEntity; }
    bool SawTable() const { return m_sawTable; }
    // Paper-space entities and entities with extrusion z < 0 of the types the importer reads.
    long long PaperSpaceRead() const { return m_paperSpaceRead; }
    long long MirroredRead() const { return m_mirroredRead; }
    // INSERTs that ask for scale, mirror or arrays, each counted once.
    long long InsertsAskingMore() const { return m_insertsAskingMore; }

  private:
    // A group-0 pair, and the name of the section or table just begun: functions of their own,
    // so that Observe keeps no frame for the usual pair, a value of the entity being read.
    void NextObject(const CString& value);
    void Name(const CString& value);
    void EndEntity();
    void StartObject(const CString& value);
    void HeaderValue(int code, const CString& value);
    void LayerValue(int code, const CString& value);
    // Inline, as every value of an entity comes here and few of them tell the census anything.
    void EntityValue(int code, const CString& value)
    {
        switch (code)
        {
        case 67:
            m_paperSpace = _wtoi(value) == 1;
            break;
        case 230:
            m_negativeZ = _wtof(value) < 0.0;
            break;
        case 41:
        case 42:
        case 43:
            if (m_isInsert)
            {
                const double scale = _wtof(value);
                m_scaled |= std::fabs(scale) != 1.0;
                m_mirrored |= scale < 0.0;
            }
            break;
        case 70:
        case 71:
            if (m_isInsert)
                m_arrayed |= _wtoi(value) > 1;
            break;
        default:
            break;
        }
    }

    Explanation* m_out;
    Holdings* m_holds;
    TypeNames* m_names;
    std::function<bool(const std::string&)> m_readsType;

    enum class Section { None, Header, Tables, Blocks, Entities, Other } m_section = Section::None;
    bool m_expectSectionName = false;
    bool m_expectTableName = false;
    bool m_inLayerTable = false;
    std::string m_variable;
    bool m_sawTable = false;
    bool m_pairStartsEntity = false;

    bool m_inBlock = false;
    bool m_blockHasInsert = false;

    // What the holdings know of an entity type, by its name's address.
    struct TypeFacts
    {
        const std::string* name = nullptr;
        bool isInsert = false;
        bool read = false;               // the importer reads the type
        bool curve = false;              // its extrusion can mirror it
        long long* count = nullptr;      // its count in ENTITIES, once looked up
        long long* blockCount = nullptr; // and in the blocks
    };
    // The facts of the type, looked up among the last few met: a drawing mostly holds a few.
    TypeFacts& FactsOf(const std::string& type);

    // The object being read: an entity, or an entry of the LAYER table.
    enum class Object { None, Entity, Layer } m_object = Object::None;
    std::array<TypeFacts, 4> m_types;
    size_t m_nextType = 0;
    bool m_isInsert = false;
    bool m_typeRead = false;
    bool m_isCurve = false;
    bool m_inSection = false;
    bool m_paperSpace = false;
    bool m_negativeZ = false;
    bool m_scaled = false, m_mirrored = false, m_arrayed = false;
    LayerEntry m_layer;
    long long m_paperSpaceRead = 0;
    long long m_mirroredRead = 0;
    long long m_insertsAskingMore = 0;
};
