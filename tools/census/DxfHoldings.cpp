#include "DxfHoldings.h"

#include "dxf/PairValue.h"
#include "platform/WinCrt.h"

namespace
{
const size_t kLayersShown = 50;

bool IsCurve(const std::string& type)
{
    return type == "ARC" || type == "CIRCLE" || type == "ELLIPSE" || type == "LWPOLYLINE" ||
           type == "POLYLINE";
}
} // namespace

DxfHoldings::DxfHoldings(Explanation& explanation, TypeNames& names,
                         std::function<bool(const std::string&)> readsType)
    : m_out(&explanation), m_holds(&explanation.holds), m_names(&names),
      m_readsType(std::move(readsType))
{
}

DxfHoldings::DxfHoldings(const DxfHoldings& other, Explanation& explanation) : DxfHoldings(other)
{
    m_out = &explanation;
    m_holds = &explanation.holds;
    m_types = {}; // their counts are the other explanation's
}

DxfHoldings::TypeFacts& DxfHoldings::FactsOf(const std::string& type)
{
    for (TypeFacts& facts : m_types)
        if (facts.name == &type)
            return facts;
    TypeFacts& facts = m_types[m_nextType++ % m_types.size()];
    facts = {&type, type == "INSERT", m_readsType(type), IsCurve(type)};
    return facts;
}

void DxfHoldings::NextObject(const CString& value)
{
    EndEntity();
    StartObject(value);
}

void DxfHoldings::Name(const CString& value)
{
    if (m_expectSectionName)
    {
        const std::string name = m_names->Of(value);
        m_holds->sections.push_back(name);
        m_section = name == "HEADER"     ? Section::Header
                    : name == "TABLES"   ? Section::Tables
                    : name == "BLOCKS"   ? Section::Blocks
                    : name == "ENTITIES" ? Section::Entities
                                         : Section::Other;
        m_expectSectionName = false;
        return;
    }
    m_inLayerTable = IsKeyword(value, L"LAYER");
    m_expectTableName = false;
}

void DxfHoldings::StartObject(const CString& value)
{
    m_expectSectionName = m_expectTableName = false;
    if (IsKeyword(value, L"SECTION"))
    {
        m_expectSectionName = true;
        m_section = Section::None;
        return;
    }
    if (IsKeyword(value, L"ENDSEC") || IsKeyword(value, L"EOF"))
    {
        m_section = Section::None;
        return;
    }
    if (m_section == Section::Tables)
    {
        if (IsKeyword(value, L"TABLE"))
        {
            m_sawTable = m_expectTableName = true;
            m_inLayerTable = false;
        }
        else if (m_inLayerTable && IsKeyword(value, L"LAYER"))
        {
            m_object = Object::Layer;
            m_layer = LayerEntry{};
        }
        return;
    }
    const bool inEntities = m_section == Section::Entities;
    if (m_section == Section::Blocks)
    {
        if (IsKeyword(value, L"BLOCK"))
        {
            m_inBlock = true;
            m_blockHasInsert = false;
            ++m_holds->blocks;
            return;
        }
        if (IsKeyword(value, L"ENDBLK"))
        {
            m_holds->blocksWithInserts += m_inBlock && m_blockHasInsert;
            m_inBlock = false;
            return;
        }
    }
    if (!inEntities && !(m_section == Section::Blocks && m_inBlock))
        return;
    m_object = Object::Entity;
    TypeFacts& type = FactsOf(m_names->Of(value));
    m_isInsert = type.isInsert;
    m_typeRead = type.read;
    m_isCurve = type.curve;
    m_inSection = inEntities;
    m_paperSpace = m_negativeZ = m_scaled = m_mirrored = m_arrayed = false;
    if (inEntities)
    {
        if (!type.count)
            type.count = &m_holds->entities[*type.name];
        ++*type.count;
        m_pairStartsEntity = true;
    }
    else
    {
        if (!type.blockCount)
            type.blockCount = &m_holds->blockEntities[*type.name];
        ++*type.blockCount;
        m_blockHasInsert |= m_isInsert;
    }
}

void DxfHoldings::HeaderValue(int code, const CString& value)
{
    if (code == 9)
    {
        m_variable = RvzUtf8FromWide(value);
        return;
    }
    if (m_variable == "$ACADVER" && code == 1)
        m_out->version = RvzUtf8FromWide(value);
    else if (m_variable == "$DWGCODEPAGE" && code == 3)
        m_out->codePage = RvzUtf8FromWide(value);
    else if (m_variable == "$INSUNITS" && code == 70)
        m_out->insUnits = _wtoi(value);
    else if (m_variable == "$MEASUREMENT" && code == 70)
        m_out->measurement = _wtoi(value);
}

void DxfHoldings::LayerValue(int code, const CString& value)
{
    if (code == 2)
        m_layer.name = RvzUtf8FromWide(value);
    else if (code == 62)
        m_layer.colour = _wtoi(value);
    else if (code == 70)
        m_layer.frozen = (_wtoi(value) & 1) != 0;
}

void DxfHoldings::EndEntity()
{
    if (m_object == Object::Layer)
    {
        m_layer.off = m_layer.colour < 0;
        if (m_holds->layers.size() < kLayersShown)
            m_holds->layers.push_back(m_layer);
        ++m_holds->layerCount;
    }
    else if (m_object == Object::Entity)
    {
        const bool read = m_typeRead && (m_inSection || !m_isInsert);
        if (m_inSection && m_paperSpace)
        {
            ++m_holds->paperSpace;
            m_paperSpaceRead += read;
        }
        if (m_negativeZ && m_isCurve)
        {
            ++m_holds->negativeExtrusion;
            m_mirroredRead += read;
        }
        m_holds->scaledInserts += m_scaled && !m_mirrored;
        m_holds->mirroredInserts += m_mirrored;
        m_holds->arrayedInserts += m_arrayed;
        m_insertsAskingMore += m_scaled || m_mirrored || m_arrayed;
    }
    m_object = Object::None;
}

void DxfHoldings::Finish()
{
    EndEntity();
}
