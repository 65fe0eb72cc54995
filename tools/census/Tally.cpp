#include "Tally.h"

#include <iterator>

#include "Reasons.h"
#include "platform/WinCrt.h"

namespace
{
const size_t kMaxTypes = 200;
const size_t kMaxTypeLength = 40;
const char* kOtherTypes = "(other types)";

// Names the scanners compare with, admitted whatever came before them.
bool AlwaysNamed(const std::string& key)
{
    static const std::set<std::string> kNames = {
        "LINE",   "POLYLINE", "SPLINE", "LWPOLYLINE", "CIRCLE", "ARC",    "ELLIPSE", "INSERT",
        "IMAGE",  "TEXT",     "VERTEX", "SEQEND",     "HEADER", "TABLES", "BLOCKS",  "ENTITIES",
        "LAYER",  "SP",       "PU",     "PD",         "LT",     "LB",     "AA",      "AR",
        "PA",     "PR",       "CI",     "PE",         "IP",     "SC"};
    return kNames.count(key) != 0;
}
} // namespace

const std::string& TypeNames::Named(std::string key)
{
    for (char& c : key)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    if (!AlwaysNamed(key) && !m_names.count(key))
    {
        if (m_admitted >= kMaxTypes)
            key = kOtherTypes;
        else
            ++m_admitted;
    }
    return *m_names.insert(std::move(key)).first;
}

const std::string& TypeNames::Of(const CString& value)
{
    // A value's name never changes once given, as names are only ever added. Compared here
    // character by character: the values are a few characters long.
    const auto sameText = [&value](const std::wstring& text)
    {
        if (text.size() != static_cast<size_t>(value.GetLength()))
            return false;
        const wchar_t* other = value.GetString();
        for (size_t i = 0; i < text.size(); ++i)
            if (text[i] != other[i])
                return false;
        return true;
    };
    // The last two met first: entities of two types often come in turn.
    for (size_t i : {m_lastTwo[0], m_lastTwo[1]})
        if (m_recent[i].name && sameText(m_recent[i].value))
            return *m_recent[i].name;
    for (size_t i = 0; i < m_recent.size(); ++i)
        if (m_recent[i].name && sameText(m_recent[i].value))
        {
            m_lastTwo = {i, m_lastTwo[0]};
            return *m_recent[i].name;
        }
    Recent& recent = m_recent[m_nextRecent++ % m_recent.size()];
    recent.value = value.str();
    recent.name = &Named(RvzUtf8FromWide(value.Left(static_cast<int>(kMaxTypeLength))));
    return *recent.name;
}

AccountRow& Tally::Row(const std::string& type)
{
    AccountRow& row = m_rows[type];
    row.type = type;
    return row;
}

long long& Tally::Counter(const std::string& type, std::string_view reason)
{
    for (const RecentFate& recent : m_recent)
        if (recent.counter && recent.reason == reason && recent.type == type)
            return *recent.counter;
    AccountRow& row = Row(type);
    const std::string code(reason);
    long long* counter = reason.empty() ? &row.kept
                         : ReasonFor(code).kind == ReasonKind::Dropped ? &row.dropped[code]
                                                                        : &row.passedOver[code];
    m_recent[m_nextRecent] = {type, code, counter};
    m_nextRecent = (m_nextRecent + 1) % static_cast<int>(std::size(m_recent));
    return *counter;
}

void Tally::Fate(const std::string& type, std::string_view reason, long long count)
{
    Counter(type, reason) += count;
}

long long Tally::OutsideCount(const std::string& type) const
{
    auto it = m_outside.find(type);
    return it == m_outside.end() ? 0 : it->second;
}

long long Accounted(const AccountRow& row)
{
    long long sum = row.kept + row.unexplained;
    for (const auto& [reason, count] : row.dropped)
        sum += count;
    for (const auto& [reason, count] : row.passedOver)
        sum += count;
    return sum;
}
