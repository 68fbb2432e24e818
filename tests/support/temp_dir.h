// A fresh directory per test, removed with everything in it afterwards.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string Path(std::string_view name) const;
    // Writes the bytes as they stand; returns the file's path.
    std::string Write(std::string_view name, std::string_view bytes) const;
    // Writes each word as one 6-byte record: the word padded with NULs to
    // five bytes, then a line feed.
    std::string WriteRecords(std::string_view name, const std::vector<std::string>& words) const;

private:
    std::filesystem::path root_;
};
