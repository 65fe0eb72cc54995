#pragma once
// The one argument every benchmark program takes: the file to read.
#include <cstdio>

// The file named by the only argument, or null after a usage message.
inline const char* FileArgument(int argc, char** argv)
{
    if (argc == 2)
        return argv[1];
    std::fprintf(stderr, "usage: %s FILE\n", argv[0]);
    return nullptr;
}

// That file opened for reading bytes, or null after a message.
inline FILE* OpenFileArgument(int argc, char** argv)
{
    const char* path = FileArgument(argc, argv);
    FILE* f = path ? std::fopen(path, "rb") : nullptr;
    if (path && !f)
        std::perror(path);
    return f;
}
