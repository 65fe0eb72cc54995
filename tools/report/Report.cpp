#include "Report.h"

#include <unistd.h>

#include <cctype>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "Facts.h"
#include "Page.h"

namespace fs = std::filesystem;

namespace
{
using json = nlohmann::ordered_json;

std::string Dump(const json& value)
{
    return value.dump(-1, ' ', false, json::error_handler_t::replace);
}

bool WriteFile(const fs::path& path, const std::string& text)
{
    std::ofstream file(path, std::ios::binary);
    file << text;
    return static_cast<bool>(file);
}

// The files of one drawing: "017-name", numbered so that equal names in two folders differ.
std::string Stem(size_t index, const std::string& path)
{
    std::string name = fs::path(path).filename().string();
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '_' && c != '.')
            c = '_';
    return std::to_string(index + 1) + "-" + name;
}

// Removes what an earlier report left in the folder: the files named as Stem names them (a
// picture, a JSON), so that no picture of a drawing no longer on the page stays; anything else a
// person put there is left alone.
void RemoveEarlierFiles(const fs::path& folder)
{
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error))
    {
        const std::string name = entry.path().filename().string();
        const size_t dash = name.find('-');
        const bool numbered = dash != 0 && dash != std::string::npos &&
                              name.find_first_not_of("0123456789") == dash;
        const std::string extension = entry.path().extension().string();
        if (numbered && entry.is_regular_file(error) && (extension == ".svg" || extension == ".json"))
            fs::remove(entry.path(), error);
    }
}

std::string ImporterOf(const std::string& path, const ReportOptions& options)
{
    return options.importer.empty() ? ImporterForPath(path) : options.importer;
}

// Runs in the worker: imports, writes the full picture, JSON and explanation beside the page,
// and hands back the card.
std::string CardOfFile(size_t index, const std::string& path, const ReportOptions& options)
{
    FileFacts facts = GatherFacts(path, ImporterOf(path, options), options.settings,
                                  options.gapTolerance);
    if (facts.card.value("outcome", "") == "read")
    {
        const fs::path folder = FilesFolderOf(options.page);
        const std::string stem = Stem(index, path);
        const std::string relative = folder.filename().string() + "/" + stem;
        json links;
        if (WriteFile(folder / (stem + ".svg"), facts.svg))
            links["svg"] = relative + ".svg";
        if (WriteFile(folder / (stem + ".json"), Dump(facts.importJson) + "\n"))
            links["json"] = relative + ".json";
        if (WriteFile(folder / (stem + ".explain.json"), Dump(facts.explainJson) + "\n"))
            links["explain"] = relative + ".explain.json";
        facts.card["links"] = links;
    }
    return Dump(facts.card);
}

// Count, current file and time left, on a terminal only.
class Progress
{
  public:
    explicit Progress(size_t total) : m_total(total), m_shown(isatty(2) != 0) {}
    ~Progress()
    {
        if (m_shown)
            std::cerr << "\r\033[K" << std::flush;
    }
    void Started(const std::string& file)
    {
        m_current = file;
        Show();
    }
    void Answered()
    {
        ++m_done;
        Show();
    }
    // A line of its own that the progress line does not overwrite.
    void Say(const std::string& line) const
    {
        std::cerr << (m_shown ? "\r\033[K" : "") << line << "\n";
        Show();
    }

  private:
    void Show() const
    {
        if (!m_shown)
            return;
        const double elapsed =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count();
        std::cerr << "\r\033[Krivez: " << m_done << "/" << m_total;
        if (m_done > 0)
            std::cerr << ", about " << static_cast<long long>(elapsed / m_done * (m_total - m_done))
                      << " s left";
        std::cerr << ", reading " << m_current << std::flush;
    }

    size_t m_total, m_done = 0;
    bool m_shown;
    std::string m_current;
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
};
} // namespace

std::string FilesFolderOf(const std::string& page)
{
    fs::path path(page);
    return path.replace_extension(".files").string();
}

int WriteReport(const DrawingList& drawings, const ReportOptions& options)
{
    std::error_code error;
    fs::create_directories(FilesFolderOf(options.page), error);
    if (error)
    {
        std::cerr << "rivez: cannot make " << FilesFolderOf(options.page) << ": " << error.message()
                  << "\n";
        return 1;
    }
    RemoveEarlierFiles(FilesFolderOf(options.page));
    const std::vector<std::string>& files = drawings.files;
    std::vector<Card> cards(files.size());
    int status = 0;
    {
        Progress progress(files.size());
        RunInWorkers(
            files.size(), options.limits,
            [&](size_t i) { return CardOfFile(i, files[i], options); },
            [&](size_t i) { progress.Started(files[i]); },
            [&](size_t i, WorkerAnswer&& answer)
            {
                progress.Answered();
                Card& card = cards[i];
                if (answer.end == WorkerAnswer::End::Finished)
                    card = json::parse(answer.text, nullptr, false);
                if (card.is_discarded() || !card.is_object())
                    card = {{"outcome", "failed"},
                            {"failure", DescribeFailure(answer, options.limits)}};
                card["file"] = files[i];
                if (!card.contains("importer"))
                    card["importer"] = ImporterOf(files[i], options);
                if (card["outcome"] != "read")
                {
                    status = 1;
                    progress.Say(card["outcome"] == "not-opened"
                                     ? "rivez: cannot open " + files[i]
                                     : "rivez: " + files[i] + ": " + card.value("failure", ""));
                }
            });
    }
    std::ofstream page(options.page, std::ios::binary);
    const std::string title = "rivez: " + std::to_string(files.size()) + " drawings";
    WritePage(page, {title, drawings.skippedByExtension}, cards);
    page.flush();
    if (!page)
    {
        std::cerr << "rivez: cannot write " << options.page << ": " << std::strerror(errno) << "\n";
        return 1;
    }
    return status;
}
