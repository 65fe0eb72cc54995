#include "ReadStream.h"

#ifdef __GLIBC__
#include <cerrno>
#include <new>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

// A regular file is read a window at a time, each mapped at the stream's buffer in place of the
// last: the pages of the file cache are used as they are, not copied, and no more than one
// window of them is held. Anything else is read into the buffer.
constexpr size_t kWindowBytes = 1 << 20;

struct ReadCookie
{
    int fd = -1;
    char* buffer = nullptr; // kWindowBytes, the stream's buffer
    bool windowed = false;
    off_t size = 0;         // of a windowed file, when it was opened
    off_t next = 0;         // where its next window starts
};

ssize_t ReadInto(int fd, char* to, size_t size)
{
    ssize_t got;
    do
        got = read(fd, to, size);
    while (got < 0 && errno == EINTR);
    return got;
}

// Maps the next window of the file over the buffer; should mapping fail, the buffer becomes
// plain memory again and the window is read into it.
ssize_t NextWindow(ReadCookie& file)
{
    if (file.next >= file.size)
        return 0;
    const size_t count = static_cast<size_t>(
        file.size - file.next < static_cast<off_t>(kWindowBytes) ? file.size - file.next : kWindowBytes);
    void* window = mmap(file.buffer, kWindowBytes, PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_FIXED, file.fd, file.next);
    if (window == MAP_FAILED)
    {
        file.windowed = false;
        if (mmap(file.buffer, kWindowBytes, PROT_READ | PROT_WRITE,
                 MAP_PRIVATE | MAP_FIXED | MAP_ANONYMOUS, -1, 0) == MAP_FAILED ||
            lseek(file.fd, file.next, SEEK_SET) < 0)
            return -1;
        return ReadInto(file.fd, file.buffer, kWindowBytes);
    }
    file.next += static_cast<off_t>(count);
    return static_cast<ssize_t>(count);
}

ssize_t ReadSome(void* cookie, char* to, size_t size)
{
    auto& file = *static_cast<ReadCookie*>(cookie);
    if (file.windowed && to == file.buffer && size == kWindowBytes)
        return NextWindow(file);
    return ReadInto(file.fd, to, size);
}

int CloseFile(void* cookie)
{
    auto* file = static_cast<ReadCookie*>(cookie);
    const int result = close(file->fd);
    if (file->buffer)
        munmap(file->buffer, kWindowBytes);
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
    void* buffer = cookie->fd < 0 ? MAP_FAILED
                                  : mmap(nullptr, kWindowBytes, PROT_READ | PROT_WRITE,
                                         MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (buffer == MAP_FAILED)
    {
        const int saved = errno;
        if (cookie->fd >= 0)
            close(cookie->fd);
        delete cookie;
        errno = saved;
        return nullptr;
    }
    cookie->buffer = static_cast<char*>(buffer);
    struct stat info;
    if (fstat(cookie->fd, &info) == 0 && S_ISREG(info.st_mode))
    {
        cookie->windowed = true;
        cookie->size = info.st_size;
    }
    FILE* stream = fopencookie(cookie, "rb", {ReadSome, nullptr, nullptr, CloseFile});
    if (!stream)
    {
        const int saved = errno;
        CloseFile(cookie);
        errno = saved;
        return nullptr;
    }
    std::setvbuf(stream, cookie->buffer, _IOFBF, kWindowBytes);
    return stream;
}
#else
FILE* RvzOpenForReading(const char* path)
{
    return std::fopen(path, "rb");
}
#endif
