#include "Drawings.h"

#include <algorithm>
#include <filesystem>

#include "Import.h"

namespace fs = std::filesystem;

namespace
{
// dxf and die both read .dxf files.
bool ReadsFile(const std::string& importer, const std::string& fromExtension)
{
    return importer.empty() || importer == fromExtension ||
           (importer == "die" && fromExtension == "dxf");
}

std::string ExtensionOf(const fs::path& path)
{
    std::string extension = path.extension().string();
    return extension.empty() ? "(none)" : extension;
}

void AddFolder(const fs::path& folder, const std::string& importer, DrawingList& list)
{
    std::vector<std::string> found;
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(
             folder, fs::directory_options::skip_permission_denied, error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error))
    {
        if (!it->is_regular_file(error))
            continue;
        const std::string path = it->path().string();
        const std::string byExtension = ImporterForPath(path);
        if (!byExtension.empty() && ReadsFile(importer, byExtension))
            found.push_back(path);
        else
            ++list.skippedByExtension[ExtensionOf(it->path())];
    }
    std::sort(found.begin(), found.end());
    list.files.insert(list.files.end(), found.begin(), found.end());
}
} // namespace

DrawingList ListDrawings(const std::vector<std::string>& paths, const std::string& importer)
{
    DrawingList list;
    for (const std::string& path : paths)
    {
        std::error_code error;
        if (fs::is_directory(path, error))
            AddFolder(path, importer, list);
        else
            list.files.push_back(path);
    }
    return list;
}
