#pragma once
// A stream for reading a file through a buffer of its own size.
#include <cstdio>

// Opens path (bytes) for reading as fopen(path, "rb") would, but through a 64 KiB buffer of its
// own: glibc sizes a stream's buffer by the file system's block, often 4 KiB, and ignores
// setvbuf's size without a buffer, which costs a system call per block. Null, with errno set,
// on failure.
FILE* RvzOpenForReading(const char* path);
