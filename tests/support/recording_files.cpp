#include "support/recording_files.h"

#include <algorithm>
#include <cstring>

os::FileHandle RecordingFiles::OpenExistingShared(const std::string& path) {
    PathsOpened.push_back(path);
    return inner_.OpenExistingShared(path);
}

std::uint64_t RecordingFiles::Size(os::FileHandle file) { return inner_.Size(file); }

std::size_t RecordingFiles::ReadAt(os::FileHandle file, std::uint64_t offset, void* buffer, std::size_t count) {
    RecordsRead.push_back(static_cast<std::int64_t>(offset / 6));
    BytesAsked += count;
    if (FailReadsWith) throw os::ErrorFromCode(*FailReadsWith);
    return inner_.ReadAt(file, offset, buffer, count);
}

void RecordingFiles::Close(os::FileHandle file) {
    ++Closes;
    if (FailClosesWith) {
        inner_.Close(file);
        throw os::ErrorFromCode(*FailClosesWith);
    }
    inner_.Close(file);
}

std::string SyntheticDictionary::WordAt(std::int64_t index) {
    std::string word(5, 'a');
    for (int i = 4; i >= 0; --i, index /= 26) word[i] = static_cast<char>('a' + index % 26);
    return word;
}

std::size_t SyntheticDictionary::ReadAt(os::FileHandle, std::uint64_t offset, void* buffer, std::size_t count) {
    const auto index = static_cast<std::int64_t>(offset / 6);
    if (offset % 6 != 0 || index >= count_) return 0;
    const std::string record = WordAt(index) + '\n';
    const std::size_t n = std::min(count, record.size());
    std::memcpy(buffer, record.data(), n);
    return n;
}
