#pragma once
// The corpus: a folder of real drawings laid out as dxf/ and plt/, kept beside the project rather
// than in it. Tests find it in RIVEZ_CORPUS, else in ../shared/corpus beside the sources; without
// one they skip, or fail when RIVEZ_REQUIRE_CORPUS=1 (as CI runs them).
#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

// The corpus folder, or an empty path when there is none.
inline std::filesystem::path CorpusFolder()
{
    const char* chosen = std::getenv("RIVEZ_CORPUS");
    const std::filesystem::path folder =
        chosen && *chosen ? std::filesystem::path(chosen)
                          : std::filesystem::path(RIVEZ_SOURCE_DIR) / ".." / "shared" / "corpus";
    return std::filesystem::is_directory(folder) ? folder : std::filesystem::path();
}

inline bool CorpusRequired()
{
    const char* required = std::getenv("RIVEZ_REQUIRE_CORPUS");
    return required && std::string(required) == "1";
}

inline constexpr const char* kNoCorpus =
    "no corpus of real drawings: set RIVEZ_CORPUS to a folder with dxf/ and plt/";

// Declares NAME as the corpus folder; without a corpus the test skips here, or fails when one is
// required.
#define RIVEZ_CORPUS_OR_SKIP(name)                                                                 \
    const std::filesystem::path name = CorpusFolder();                                             \
    if (name.empty())                                                                              \
    {                                                                                              \
        if (CorpusRequired())                                                                      \
            FAIL() << kNoCorpus << " (RIVEZ_REQUIRE_CORPUS=1)";                                    \
        GTEST_SKIP() << kNoCorpus;                                                                 \
    }
