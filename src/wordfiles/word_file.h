// A word file: a flat run of 6-byte records, read one record at a time where
// it lies on disk, never loaded.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "os/file_access.h"

inline constexpr const char* DictionaryFileName = "WORDLIST.DCT";
inline constexpr const char* AnswersFileName = "ANSWERS.DCT";

struct TWordFile {
    os::FileHandle Handle = 0;
    bool IsOpen = false;
    std::int32_t RecordSize = 6;
    std::string Path;
    os::FileAccess* Files = nullptr;
};

// An error the OS reported while a word file was read or closed.
class EInOutError : public std::runtime_error {
public:
    EInOutError(int errorCode, const std::string& osText);
    int ErrorCode;
};

// Opens the named file beside the executable and counts its records.
// False when it cannot be opened or measured; nothing is reported.
bool OpenWordFile(const std::string& fileName, TWordFile& file, std::int32_t& recordCount,
                  os::FileAccess& files = os::SystemFiles());

// The same for a full path.
bool OpenWordFileAtPath(const std::string& path, TWordFile& file, std::int32_t& recordCount,
                        os::FileAccess& files = os::SystemFiles());

// Reads record `index`: false when no whole record is there. The word is the
// record's first five bytes up to the first NUL, case unchanged.
// Throws EInOutError when the OS fails the read.
bool ReadWordRecord(TWordFile& file, std::int32_t index, std::string& word);

// Throws EInOutError when the OS fails the close; the file is closed anyway.
void CloseWordFile(TWordFile& file);
