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
    // The same string for every value of a name, as long as the names live: a name may be
    // told by its address.
    const std::string& Of(const CString& value);

  private:
    const std::string& Named(std::string key);

    // The names of the last few values: a drawing's entities mostly come in a handful of types.
    struct Recent
    {
        std::wstring value;
        const std::string* name = nullptr; // until it is first used
    };

    std::set<std::string> m_names; // every name given out
    size_t m_admitted = 0;         // of them, those not always named
    std::array<Recent, 8> m_recent;
    size_t m_nextRecent = 0;
    std::array<size_t, 2> m_lastTwo{}; // places in m_recent
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
