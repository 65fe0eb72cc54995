#pragma once
// A stream for reading a file through a buffer of its own size.
#include <cstdio>

// Opens path (bytes) for reading as fopen(path, "rb") would, but through a 1 MiB buffer of its
// own, where a regular file is mapped a window at a time rather than copied: glibc would size
// the buffer by the file system's block, often 4 KiB, at a system call per block. Null, with
// errno set, on failure.
FILE* RvzOpenForReading(const char* path);
