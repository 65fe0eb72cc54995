#pragma once
// What a DXF file holds, taken pair by pair from the same stream the importer's walk reads:
// header variables, sections, the LAYER table, entities by type in ENTITIES and in blocks,
// and the entity features the importers do not carry over (paper space, INSERT scale, ...).
#include <functional>
#include <string>

#include "Census.h"
#include "Tally.h"

class DxfHoldings
{
  public:
    // readsType: whether the importer makes something of an entity type (for the warnings).
    DxfHoldings(Explanation& explanation, TypeNames& names,
                std::function<bool(const std::string&)> readsType);

    void Observe(int code, const CString& value);
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
    void EndEntity();
    void StartObject(const CString& value);
    void HeaderValue(int code, const CString& value);
    void EntityValue(int code, const CString& value);

    Explanation& m_out;
    Holdings& m_holds;
    TypeNames& m_names;
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

    // The object being read: an entity, or an entry of the LAYER table.
    enum class Object { None, Entity, Layer } m_object = Object::None;
    std::string m_type;
    bool m_isInsert = false;
    bool m_inSection = false;
    bool m_paperSpace = false;
    bool m_negativeZ = false;
    bool m_scaled = false, m_mirrored = false, m_arrayed = false;
    LayerEntry m_layer;
    long long m_paperSpaceRead = 0;
    long long m_mirroredRead = 0;
    long long m_insertsAskingMore = 0;
};
