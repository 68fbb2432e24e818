// File access seams for tests: one that records which records are read and
// can be told to fail, over the real files or over a made-up dictionary.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "os/file_access.h"

// Passes every call to another FileAccess, noting each read's record number.
class RecordingFiles : public os::FileAccess {
public:
    explicit RecordingFiles(os::FileAccess& inner = os::SystemFiles()) : inner_(inner) {}

    os::FileHandle OpenExistingShared(const std::string& path) override;
    std::uint64_t Size(os::FileHandle file) override;
    std::size_t ReadAt(os::FileHandle file, std::uint64_t offset, void* buffer, std::size_t count) override;
    void Close(os::FileHandle file) override;

    std::vector<std::string> PathsOpened;
    std::vector<std::int64_t> RecordsRead;
    std::size_t BytesAsked = 0;
    // When set, the next reads (or closes) fail with this OS error code.
    std::optional<int> FailReadsWith;
    std::optional<int> FailClosesWith;
    int Closes = 0;

private:
    os::FileAccess& inner_;
};

// A sorted dictionary of `count` records that exists only in memory: record
// n holds n written in base 26 with the letters a to z, five of them.
class SyntheticDictionary : public os::FileAccess {
public:
    explicit SyntheticDictionary(std::int64_t count) : count_(count) {}
    static std::string WordAt(std::int64_t index);

    os::FileHandle OpenExistingShared(const std::string&) override { return 1; }
    std::uint64_t Size(os::FileHandle) override { return static_cast<std::uint64_t>(count_) * 6; }
    std::size_t ReadAt(os::FileHandle, std::uint64_t offset, void* buffer, std::size_t count) override;
    void Close(os::FileHandle) override {}

private:
    std::int64_t count_;
};
