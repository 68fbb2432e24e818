// The operating system's file services that the word files need, behind one
// interface so that tests can count or fail the calls.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "os/os_error.h"

namespace os {

// An open file; the value means something only to the FileAccess that made it.
using FileHandle = std::intptr_t;

class FileAccess {
public:
    virtual ~FileAccess() = default;

    // Opens an existing regular file for reading and writing, never creating
    // one, and keeps every other opener from writing while it is held.
    virtual FileHandle OpenExistingShared(const std::string& path) = 0;
    virtual std::uint64_t Size(FileHandle file) = 0;
    // One positioned read: returns the bytes actually read, fewer at the end.
    virtual std::size_t ReadAt(FileHandle file, std::uint64_t offset, void* buffer, std::size_t count) = 0;
    virtual void Close(FileHandle file) = 0;
};

// The real file system. Every call throws OsError on failure.
FileAccess& SystemFiles();

}  // namespace os
