#include "ReadStream.h"

#ifdef __GLIBC__
#include <cerrno>
#include <new>

#include <fcntl.h>
#include <unistd.h>

namespace
{

// Read, not mapped: a file cut short while it is read must end the read, not the process.
constexpr size_t kBufferBytes = 1 << 16;

// The file and the stream's buffer, which lives until the stream is closed.
struct ReadCookie
{
    int fd = -1;
    // Aligned: the kernel copies the file's page-aligned data into it several times slower when
    // it starts 1 to 31 bytes into a page (just behind an int here), as each store then seems to
    // overlap a load 4 KiB on.
    alignas(64) char buffer[kBufferBytes];
};

ssize_t ReadSome(void* cookie, char* to, size_t size)
{
    const int fd = static_cast<ReadCookie*>(cookie)->fd;
    ssize_t got;
    do
        got = read(fd, to, size);
    while (got < 0 && errno == EINTR);
    return got;
}

int CloseFile(void* cookie)
{
    auto* file = static_cast<ReadCookie*>(cookie);
    const int result = close(file->fd);
    delete file;
    return result;
}

} // namespace

FILE* RvzOpenForReading(const char* path)
{
    auto* cookie = new (std::nothrow) ReadCookie;
    if (!cookie)
    {
        errno = ENOMEM;
        return nullptr;
    }
    cookie->fd = open(path, O_RDONLY | O_CLOEXEC);
    if (cookie->fd < 0)
    {
        const int saved = errno;
        delete cookie;
        errno = saved;
        return nullptr;
    }
    FILE* stream = fopencookie(cookie, "rb", {ReadSome, nullptr, nullptr, CloseFile});
    if (!stream)
    {
        const int saved = errno;
        CloseFile(cookie);
        errno = saved;
        return nullptr;
    }
    std::setvbuf(stream, cookie->buffer, _IOFBF, kBufferBytes);
    return stream;
}
#else
FILE* RvzOpenForReading(const char* path)
{
    return std::fopen(path, "rb");
}
#endif
