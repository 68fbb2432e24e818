#include "wordfiles/word_file.h"

#include <algorithm>
#include <limits>

#include "os/process.h"

EInOutError::EInOutError(int errorCode, const std::string& osText)
    : std::runtime_error("I/O error " + std::to_string(errorCode) + ": " + osText), ErrorCode(errorCode) {}

namespace {

constexpr std::int32_t RecordBytes = 6;
constexpr std::int32_t WordBytes = 5;

}  // namespace

bool OpenWordFile(const std::string& fileName, TWordFile& file, std::int32_t& recordCount,
                  os::FileAccess& files) {
    std::string directory;
    try {
        directory = os::ExecutableDirectory();
    } catch (const os::OsError&) {
        return false;
    }
    return OpenWordFileAtPath(directory + fileName, file, recordCount, files);
}

bool OpenWordFileAtPath(const std::string& path, TWordFile& file, std::int32_t& recordCount,
                        os::FileAccess& files) {
    os::FileHandle handle;
    try {
        handle = files.OpenExistingShared(path);
    } catch (const os::OsError&) {
        return false;
    }
    auto giveUp = [&] {
        try {
            files.Close(handle);
        } catch (const os::OsError&) {
        }
        return false;
    };
    std::uint64_t records;
    try {
        records = files.Size(handle) / RecordBytes;
    } catch (const os::OsError&) {
        return giveUp();
    }
    // Positions are 64-bit, so a file past 2 GiB is read correctly as long
    // as its record numbers fit the signed 32-bit indexes the game uses.
    if (records > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max())) return giveUp();
    file.Handle = handle;
    file.IsOpen = true;
    file.RecordSize = RecordBytes;
    file.Path = path;
    file.Files = &files;
    recordCount = static_cast<std::int32_t>(records);
    return true;
}

bool ReadWordRecord(TWordFile& file, std::int32_t index, std::string& word) {
    if (!file.IsOpen || index < 0) return false;
    char record[RecordBytes];
    std::size_t got;
    try {
        got = file.Files->ReadAt(file.Handle, static_cast<std::uint64_t>(index) * RecordBytes, record, RecordBytes);
    } catch (const os::OsError& error) {
        throw EInOutError(error.Code(), error.what());
    }
    if (got / RecordBytes == 0) return false;
    word.assign(record, std::find(record, record + WordBytes, '\0'));
    return true;
}

void CloseWordFile(TWordFile& file) {
    if (!file.IsOpen) return;
    file.IsOpen = false;
    try {
        file.Files->Close(file.Handle);
    } catch (const os::OsError& error) {
        throw EInOutError(error.Code(), error.what());
    }
}
