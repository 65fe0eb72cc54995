#pragma once
// Runs the rivez program and reads what it says.
#include <cstdio>
#include <string>

#include <sys/wait.h>

struct RivezRun
{
    int status = -1;
    std::string out;
};

// The command line after "rivez"; standard error goes to the given file, or is dropped.
inline RivezRun Rivez(const std::string& arguments, const std::string& errors = "/dev/null")
{
    RivezRun run;
    std::string command = std::string(RIVEZ_BINARY) + " " + arguments + " 2>" + errors;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.out.append(buffer, n);
    int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}
