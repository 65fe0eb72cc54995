#include "Problems.h"

namespace
{
using json = nlohmann::ordered_json;

bool WasRead(const Card& card)
{
    return card.value("outcome", "") == "read";
}

// The sum of a count or of every count of a {reason: count} object over the accounting rows.
long long SumOverAccounting(const Card& card, const char* key)
{
    long long sum = 0;
    if (!card.contains("explain") || !card["explain"].contains("accounting"))
        return 0;
    for (const json& row : card["explain"]["accounting"])
    {
        if (!row.contains(key))
            continue;
        if (row[key].is_number())
            sum += row[key].get<long long>();
        else if (row[key].is_object())
            for (const auto& [reason, count] : row[key].items())
                sum += count.is_number() ? count.get<long long>() : 0;
    }
    return sum;
}

bool Failed(const Card& card)
{
    return !WasRead(card);
}

bool Stopped(const Card& card)
{
    return WasRead(card) && !ReadToEnd(card);
}

bool Empty(const Card& card)
{
    return WasRead(card) && card["counts"].value("shapes", 0) == 0 &&
           card["counts"].value("inserts", 0) == 0;
}

bool Drops(const Card& card)
{
    return SumOverAccounting(card, "dropped") + SumOverAccounting(card, "unexplained") > 0;
}

bool OpenContours(const Card& card)
{
    return card.contains("contours") && card["contours"].contains("open") &&
           !card["contours"]["open"].empty();
}

bool Warnings(const Card& card)
{
    return card.contains("explain") && card["explain"].contains("warnings") &&
           !card["explain"]["warnings"].empty();
}

bool PassedOver(const Card& card)
{
    return SumOverAccounting(card, "passedOver") > 0;
}
} // namespace

const std::vector<ProblemKind>& ProblemKinds()
{
    static const std::vector<ProblemKind> kinds = {
        {"failed", "not read", Failed},
        {"stopped", "stopped early", Stopped},
        {"empty", "empty", Empty},
        {"drops", "with drops", Drops},
        {"open", "with open contours", OpenContours},
        {"warnings", "with warnings", Warnings},
        {"passed-over", "with entities passed over", PassedOver},
    };
    return kinds;
}

std::vector<std::string> ProblemsOf(const Card& card)
{
    std::vector<std::string> codes;
    for (const ProblemKind& kind : ProblemKinds())
        if (kind.applies(card))
            codes.push_back(kind.code);
    return codes;
}

size_t RankOf(const Card& card)
{
    const std::vector<ProblemKind>& kinds = ProblemKinds();
    size_t rank = 0;
    while (rank < kinds.size() && !kinds[rank].applies(card))
        ++rank;
    return rank;
}

const char* LabelOf(const std::string& code)
{
    for (const ProblemKind& kind : ProblemKinds())
        if (code == kind.code)
            return kind.label;
    return "";
}

bool ReadToEnd(const Card& card)
{
    return WasRead(card) && (card.value("importer", "") == "plt" || card.value("result", 0) == 1);
}

std::string ResultInWords(const Card& card)
{
    const std::string outcome = card.value("outcome", "");
    if (outcome == "not-opened")
        return "the importer could not open the file";
    if (outcome != "read")
        return card.value("failure", "the import did not finish");
    return ReadToEnd(card) ? "read to its end"
                           : "stopped early: the file ends or breaks off before its end marker";
}
