// POSIX implementation of the OS layer (Linux, with macOS kept in mind).
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#if defined(__APPLE__)
#include <mach-o/dyld.h>

#include <climits>
#include <cstdlib>
#endif

#include "os/file_access.h"
#include "os/process.h"

namespace os {

OsError ErrorFromCode(int code) { return OsError(code, std::strerror(code)); }

OsError LastError() { return ErrorFromCode(errno); }

namespace {

int ToFd(FileHandle file) { return static_cast<int>(file); }

class PosixFiles final : public FileAccess {
public:
    FileHandle OpenExistingShared(const std::string& path) override {
        // O_NONBLOCK keeps a FIFO or a device from stalling the open; it has
        // no effect on the regular files we go on to accept.
        int fd;
        do {
            fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
        } while (fd < 0 && errno == EINTR);
        if (fd < 0) throw LastError();
        try {
            struct stat st {};
            if (::fstat(fd, &st) != 0) throw LastError();
            if (!S_ISREG(st.st_mode)) throw ErrorFromCode(S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
            // A file nobody may write is read-only for us too, even when
            // running as a user whose rights would override the bits.
            if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) throw ErrorFromCode(EACCES);
            // The lock belongs to this open file description, so a second
            // open, in this process or another, is refused while we hold it.
            if (::flock(fd, LOCK_EX | LOCK_NB) != 0) throw LastError();
        } catch (...) {
            ::close(fd);
            throw;
        }
        return fd;
    }

    std::uint64_t Size(FileHandle file) override {
        struct stat st {};
        if (::fstat(ToFd(file), &st) != 0) throw LastError();
        return static_cast<std::uint64_t>(st.st_size);
    }

    std::size_t ReadAt(FileHandle file, std::uint64_t offset, void* buffer, std::size_t count) override {
        ssize_t got;
        do {
            got = ::pread(ToFd(file), buffer, count, static_cast<off_t>(offset));
        } while (got < 0 && errno == EINTR);
        if (got < 0) throw LastError();
        return static_cast<std::size_t>(got);
    }

    void Close(FileHandle file) override {
        // Retrying close after EINTR could close a descriptor reused by now.
        if (::close(ToFd(file)) != 0 && errno != EINTR) throw LastError();
    }
};

}  // namespace

FileAccess& SystemFiles() {
    static PosixFiles files;
    return files;
}

std::string ExecutablePath() {
#if defined(__APPLE__)
    std::uint32_t size = 0;
    _NSGetExecutablePath(nullptr, &size);
    std::vector<char> raw(size + 1, '\0');
    if (_NSGetExecutablePath(raw.data(), &size) != 0) throw ErrorFromCode(ENAMETOOLONG);
    std::vector<char> real(PATH_MAX + 1, '\0');
    if (::realpath(raw.data(), real.data()) == nullptr) throw LastError();
    return real.data();
#else
    // Grow the buffer until the link fits: paths have no fixed limit here.
    std::vector<char> buffer(256);
    for (;;) {
        ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) throw LastError();
        if (static_cast<std::size_t>(length) < buffer.size()) return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
#endif
}

std::string ExecutableDirectory() {
    std::string path = ExecutablePath();
    return path.substr(0, path.rfind('/') + 1);
}

std::uint32_t UtcMillisecondsOfDay() {
    struct timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const std::int64_t msPerDay = 86'400'000;
    std::int64_t ms = static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1'000'000;
    return static_cast<std::uint32_t>(((ms % msPerDay) + msPerDay) % msPerDay);
}

}  // namespace os
