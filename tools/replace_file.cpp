#include "replace_file.h"

#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

bool replace_file(const std::string& path, const void* bytes, std::size_t size)
{
    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0)
        return false;
    // mkstemp makes the file readable by its owner only; a picture for the
    // gallery is for everyone, as files the user writes are.
    const mode_t mask = umask(0);
    umask(mask);
    bool ok = fchmod(fd, 0666 & ~mask) == 0;
    const char* next = static_cast<const char*>(bytes);
    for (std::size_t left = size; ok && left > 0;) {
        const ssize_t written = write(fd, next, left);
        ok = written > 0;
        if (ok) {
            next += written;
            left -= static_cast<std::size_t>(written);
        }
    }
    ok = close(fd) == 0 && ok;
    ok = ok && std::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok)
        std::remove(temporary.c_str());
    return ok;
}
