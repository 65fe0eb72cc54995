#pragma once
// Standard output written byte for byte, as a file is: in text mode Windows would write every
// LF as CR LF.
#ifdef _WIN32
#include <cstdio>
#include <fcntl.h>
#include <io.h>

inline void RvzBinaryStandardOutput()
{
    _setmode(_fileno(stdout), _O_BINARY);
}
#else
inline void RvzBinaryStandardOutput() {}
#endif
