#pragma once
// What a DXF file holds, taken pair by pair from the same stream the importer's walk reads:
// header variables, sections, the LAYER table, entities by type in ENTITIES and in blocks,
// and the entity features the importers do not carry over (paper space, INSERT scale, ...).
#include <functional>
#include <optional>
#include <string>

#include "Census.h"
#include "PairStream.h"
#include "Tally.h"

class DxfHoldings
{
  public:
    // readsType: whether the importer makes something of an entity type (for the warnings).
    DxfHoldings(Explanation& explanation, TypeNames& names,
                std::function<bool(const std::string&)> readsType);

    // The same holdings, from here on told into another explanation.
    DxfHoldings(const DxfHoldings& other, Explanation& explanation);

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
    // A group-0 pair, and the name of the section or table just begun: functions of their own,
    // so that Observe keeps no frame for the usual pair, a value of the entity being read.
    void NextObject(const CString& value);
    void Name(const CString& value);
    void EndEntity();
    void StartObject(const CString& value);
    void HeaderValue(int code, const CString& value);
    void EntityValue(int code, const CString& value);

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

    // The object being read: an entity, or an entry of the LAYER table.
    enum class Object { None, Entity, Layer } m_object = Object::None;
    std::string m_type;
    bool m_isInsert = false;
    bool m_typeRead = false;                 // the importer reads the type
    long long* m_typeCount = nullptr;        // its count in ENTITIES, once looked up
    long long* m_blockTypeCount = nullptr;   // and in the blocks
    bool m_inSection = false;
    bool m_paperSpace = false;
    bool m_negativeZ = false;
    bool m_scaled = false, m_mirrored = false, m_arrayed = false;
    LayerEntry m_layer;
    long long m_paperSpaceRead = 0;
    long long m_mirroredRead = 0;
    long long m_insertsAskingMore = 0;
};

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
        if (!m_own && !m_stream.FirstLongLine())
            return; // the file's holdings have seen the same pair
        if (!m_own)
        {
            m_explanation = m_fileExplanation;
            m_own.emplace(m_file, m_explanation);
        }
        m_own->Observe(code, value);
    }
    const DxfHoldings& View() const { return m_own ? *m_own : m_file; }
    const Holdings& Holds() const { return m_own ? m_explanation.holds : m_fileExplanation.holds; }

  private:
    const DxfHoldings& m_file;
    const Explanation& m_fileExplanation;
    const PairStream& m_stream;
    Explanation m_explanation;
    std::optional<DxfHoldings> m_own;
};
