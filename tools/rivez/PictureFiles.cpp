#include "PictureFiles.h"

#include <set>

std::vector<std::filesystem::path> PictureFiles(const std::filesystem::path& directory,
                                                const std::vector<std::string>& drawings)
{
    std::vector<std::filesystem::path> files;
    std::set<std::string> taken;
    for (const std::string& drawing : drawings)
    {
        const std::string stem = std::filesystem::path(drawing).stem().string();
        std::string name = stem + ".svg";
        for (int n = 2; !taken.insert(name).second; ++n)
            name = stem + "-" + std::to_string(n) + ".svg";
        files.push_back(directory / name);
    }
    return files;
}
