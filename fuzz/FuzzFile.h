#pragma once
// What every importer target does around the import: the input as a file on disk, opened the
// way a host opens a dropped file, and every shape the import made deleted afterwards.
#include <cstdint>
#include <cstdio>
#include <string>

#include <unistd.h>

#include "platform/Afx.h"

class FuzzFile
{
  public:
    FuzzFile(const uint8_t* data, size_t size, const char* extension)
    {
        const char* dir = std::getenv("TMPDIR");
        m_path = std::string(dir && *dir ? dir : "/tmp") + "/rivez_fuzz_" +
                 std::to_string(::getpid()) + extension;
        FILE* f = std::fopen(m_path.c_str(), "wb");
        if (!f)
            std::abort(); // a target that cannot write its input would fuzz nothing
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    ~FuzzFile() { std::remove(m_path.c_str()); }
    FuzzFile(const FuzzFile&) = delete;
    FuzzFile& operator=(const FuzzFile&) = delete;

    const std::string& NarrowPath() const { return m_path; }
    CString Path() const
    {
        CString wide;
        for (char c : m_path)
            wide += static_cast<wchar_t>(static_cast<unsigned char>(c));
        return wide;
    }

  private:
    std::string m_path;
};

inline void DeleteAll(CObArray& shapes)
{
    for (INT_PTR i = 0; i < shapes.GetSize(); ++i)
        delete shapes[i];
    shapes.RemoveAll();
}
