#pragma once
// Counts of what happened to each entity type, as the scanners find it out.
#include <array>
#include <map>
#include <set>
#include <string>
#include <string_view>

#include "Census.h"
#include "platform/Afx.h"

// Entity type names as row names: upper case, bounded in length and in number, so that no
// file can make the census hold more than a few hundred of them.
class TypeNames
{
  public:
    // Valid until the next call.
    const std::string& Of(const CString& value);

  private:
    std::string Of(std::string key);

    // The names of the last few values: a drawing's entities mostly come in a handful of types.
    struct Recent
    {
        std::wstring value;
        std::string name; // empty until it is first used
    };

    std::set<std::string> m_seen;
    std::array<Recent, 8> m_recent;
    size_t m_nextRecent = 0;
};

class Tally
{
  public:
    // count entities of the type met the fate of a dropped or passed-over reason code, or
    // "" for kept.
    void Fate(const std::string& type, std::string_view reason, long long count = 1);
    // Entities the importer met outside the section the file's structure shows.
    void Outside(const std::string& type) { ++m_outside[type]; }

    const std::map<std::string, AccountRow>& Rows() const { return m_rows; }
    long long OutsideCount(const std::string& type) const;

  private:
    AccountRow& Row(const std::string& type);
    long long& Counter(const std::string& type, std::string_view reason);

    std::map<std::string, AccountRow> m_rows;
    std::map<std::string, long long> m_outside;
    // The counters of the last few fates: a file tells the same few, millions of times.
    struct RecentFate
    {
        std::string type;
        std::string reason;
        long long* counter = nullptr;
    };
    RecentFate m_recent[8];
    int m_nextRecent = 0;
};

// Sum of the counts of a row that are accounted for.
long long Accounted(const AccountRow& row);
