// Record reading and opening of word files.
#include "wordfiles/word_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "support/recording_files.h"
#include "support/temp_dir.h"

namespace {

class WordFileTest : public ::testing::Test {
protected:
    TempDir dir;
    RecordingFiles recording;  // outlives `file`, which TearDown closes through it
    TWordFile file;
    std::int32_t count = -1;

    void Open(const std::string& path, os::FileAccess& files = os::SystemFiles()) {
        ASSERT_TRUE(OpenWordFileAtPath(path, file, count, files)) << path;
    }
    void TearDown() override {
        if (file.IsOpen) CloseWordFile(file);
    }
};

TEST_F(WordFileTest, RecordCountIsSizeDivSixAndTheRemainderIsNeverRead) {
    for (int n : {0, 1, 3}) {
        for (int k = 0; k <= 5; ++k) {
            SCOPED_TRACE(testing::Message() << "records " << n << ", extra bytes " << k);
            std::string bytes;
            for (int i = 0; i < n; ++i) bytes += "abcde\n";
            bytes += std::string("vwxyz").substr(0, k);
            RecordingFiles files;
            Open(dir.Write("f", bytes), files);
            EXPECT_EQ(count, n);
            std::string word = "unchanged";
            EXPECT_FALSE(ReadWordRecord(file, n, word)) << "a partial record is not a record";
            EXPECT_EQ(word, "unchanged");
            CloseWordFile(file);
        }
    }
}

TEST_F(WordFileTest, WordEndsAtTheFirstNulAndTheSixthByteIsIgnored) {
    const struct {
        std::string record;
        std::string word;
    } cases[] = {
        {std::string("crane\n", 6), "crane"},
        {std::string("crane\0", 6), "crane"},
        {std::string("crane ", 6), "crane"},
        {std::string("crane\xff", 6), "crane"},
        {std::string("ab\0de\n", 6), "ab"},
        {std::string("\0bcde\n", 6), ""},
        {std::string("CrAnE\n", 6), "CrAnE"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.record));
        RecordingFiles files;
        Open(dir.Write("f", "first\n" + c.record), files);
        std::string word;
        ASSERT_TRUE(ReadWordRecord(file, 1, word));
        EXPECT_EQ(word, c.word);
        EXPECT_EQ(files.RecordsRead, std::vector<std::int64_t>{1}) << "one read per record";
        EXPECT_EQ(files.BytesAsked, 6u);
        CloseWordFile(file);
    }
}

TEST_F(WordFileTest, TextFileWithoutFinalLineFeedLosesItsLastWord) {
    Open(dir.Write("f", "crane\nslate"));
    EXPECT_EQ(count, 1);
    std::string word;
    EXPECT_TRUE(ReadWordRecord(file, 0, word));
    EXPECT_FALSE(ReadWordRecord(file, 1, word));
}

TEST_F(WordFileTest, LineEndsOfTwoBytesShiftEveryRecord) {
    Open(dir.Write("f", "crane\r\nslate\r\n"));
    EXPECT_EQ(count, 2);
    std::string word;
    ASSERT_TRUE(ReadWordRecord(file, 1, word));
    EXPECT_EQ(word, "\nslat");
}

TEST_F(WordFileTest, ANegativeIndexReadsNothing) {
    Open(dir.Write("f", "crane\n"), recording);
    std::string word;
    EXPECT_FALSE(ReadWordRecord(file, -1, word));
    EXPECT_TRUE(recording.RecordsRead.empty());
}

TEST_F(WordFileTest, OsErrorDuringAReadIsAnIoErrorWithItsCode) {
    Open(dir.Write("f", "crane\n"), recording);
    recording.FailReadsWith = EIO;
    std::string word;
    try {
        ReadWordRecord(file, 0, word);
        FAIL() << "no error raised";
    } catch (const EInOutError& error) {
        EXPECT_EQ(error.ErrorCode, EIO);
        EXPECT_NE(std::string(error.what()).find(std::to_string(EIO)), std::string::npos) << error.what();
    }
    EXPECT_EQ(recording.RecordsRead.size(), 1u) << "no further call after the failure";
}

TEST_F(WordFileTest, OsErrorDuringCloseIsAnIoErrorAndTheFileIsClosed) {
    RecordingFiles files;
    Open(dir.Write("f", "crane\n"), files);
    files.FailClosesWith = EIO;
    EXPECT_THROW(CloseWordFile(file), EInOutError);
    EXPECT_FALSE(file.IsOpen);
}

TEST_F(WordFileTest, OpenFailuresReportNoFile) {
    const std::string held = dir.Write("held", "crane\n");
    Open(held);
    const std::string readOnly = dir.Write("ro", "crane\n");
    std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read);
    for (const std::string& path : {dir.Path("missing"), readOnly, dir.Path(""), held}) {
        SCOPED_TRACE(path);
        TWordFile other;
        std::int32_t otherCount = -1;
        EXPECT_FALSE(OpenWordFileAtPath(path, other, otherCount));
        EXPECT_FALSE(other.IsOpen);
        EXPECT_EQ(otherCount, -1);
    }
}

TEST_F(WordFileTest, FilesPastTwoGibibytesAreReadWithWidePositions) {
    const std::string path = dir.Write("big", "");
    const std::uint64_t records = (std::uint64_t{3} << 30) / 6;  // 3 GiB
    std::filesystem::resize_file(path, records * 6);
    Open(path, recording);
    EXPECT_EQ(count, static_cast<std::int32_t>(records));
    std::string word = "x";
    ASSERT_TRUE(ReadWordRecord(file, count - 1, word));
    EXPECT_EQ(word, "") << "a sparse file reads as NULs";
    EXPECT_EQ(recording.RecordsRead.back(), static_cast<std::int64_t>(records - 1));
}

TEST_F(WordFileTest, FilesWithMoreRecordsThanAnIndexReachesAreRefused) {
    const std::string path = dir.Write("huge", "");
    std::filesystem::resize_file(path, (std::uint64_t{1} << 31) * 6);
    TWordFile huge;
    std::int32_t hugeCount = -1;
    EXPECT_FALSE(OpenWordFileAtPath(path, huge, hugeCount));
    EXPECT_FALSE(huge.IsOpen);
}

TEST_F(WordFileTest, OpenWordFileLooksBesideTheExecutableWhateverTheCurrentDirectory) {
    const auto cwd = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path(""));
    const bool opened = OpenWordFile(DictionaryFileName, file, count);
    std::filesystem::current_path(cwd);
    ASSERT_TRUE(opened);
    EXPECT_GT(count, 0);
    EXPECT_NE(file.Path.find("/bin/WORDLIST.DCT"), std::string::npos) << file.Path;
}

}  // namespace
