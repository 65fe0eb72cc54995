#pragma once
// Runs the rivez program and reads what it says; the inputs the host tests share.
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <regex>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#ifdef _WIN32
// Windows' system() answers with the program's exit status itself.
#define WIFEXITED(status) true
#define WEXITSTATUS(status) (status)
#else
#include <sys/wait.h>
#endif

#include "support/TempFile.h"

using json = nlohmann::ordered_json; // ordered: comparing objects checks the key order too

const std::string kBracket = RIVEZ_EXAMPLES "/bracket.dxf";
const std::string kCarton = RIVEZ_EXAMPLES "/die/carton.dxf";

struct RivezRun
{
    int status;
    std::string out, err;
};

inline std::string Slurp(const std::filesystem::path& path)
{
    std::ifstream file(path);
    return {std::istreambuf_iterator<char>(file), {}};
}

inline RivezRun Rivez(const std::string& argumentsAfterRivez)
{
    TempFile out("", ".out"), err("", ".err");
    int status = std::system((RIVEZ_BINARY " " + argumentsAfterRivez + " >" + out.Path().string() +
                              " 2>" + err.Path().string())
                                 .c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp(out.Path()), Slurp(err.Path())};
}

// Whether a run printed the text; a failure shows all that the run said.
inline testing::AssertionResult Printed(const RivezRun& run, const std::string& text)
{
    if (run.out.find(text) != std::string::npos)
        return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << "exit " << run.status << ", no \"" << text << "\" in what it printed:\n"
           << run.out << "\nstderr:\n"
           << run.err;
}

inline json JsonOf(const std::string& arguments)
{
    return json::parse(Rivez("--format json " + arguments).out);
}

// Group-code pairs written as words: each space starts a new line.
inline std::string Dxf(const std::string& words)
{
    return std::regex_replace(words, std::regex(" "), "\n") + "\n";
}
