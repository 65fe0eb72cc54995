#pragma once
// Writes inline text to a file in a temporary directory and removes it again.
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

class TempFile
{
public:
    explicit TempFile(const std::string& content, const std::string& extension = ".dxf")
    {
        static int counter = 0;
        m_path = std::filesystem::temp_directory_path() /
                 ("rivez_test_" + std::to_string(::getpid()) + "_" + std::to_string(++counter) +
                  extension);
        std::ofstream(m_path, std::ios::binary) << content;
    }
    ~TempFile() { std::filesystem::remove(m_path); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    std::wstring WidePath() const { return m_path.wstring(); }
    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// Joins group-code pairs given as alternating code and value lines.
inline std::string Pairs(std::initializer_list<const char*> lines)
{
    std::string text;
    for (const char* line : lines)
    {
        text += line;
        text += '\n';
    }
    return text;
}
