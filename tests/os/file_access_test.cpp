// The sharing rule and the failure modes of opening a word file's OS file.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "os/file_access.h"
#include "os/process.h"
#include "support/temp_dir.h"

namespace {

class FileAccessTest : public ::testing::Test {
protected:
    TempDir dir;
    os::FileAccess& files = os::SystemFiles();

    int OpenErrorCode(const std::string& path) {
        try {
            files.Close(files.OpenExistingShared(path));
        } catch (const os::OsError& error) {
            return error.Code();
        }
        return 0;
    }
};

TEST_F(FileAccessTest, OpensAnExistingFileAndReadsAtPositions) {
    const std::string path = dir.Write("f", "abcdefghij");
    os::FileHandle file = files.OpenExistingShared(path);
    EXPECT_EQ(files.Size(file), 10u);
    char buffer[6] = {};
    EXPECT_EQ(files.ReadAt(file, 6, buffer, 6), 4u);
    EXPECT_EQ(std::string(buffer, 4), "ghij");
    EXPECT_EQ(files.ReadAt(file, 0, buffer, 6), 6u);
    EXPECT_EQ(std::string(buffer, 6), "abcdef");
    EXPECT_EQ(files.ReadAt(file, 100, buffer, 6), 0u);
    files.Close(file);
}

TEST_F(FileAccessTest, RefusesWhatIsNotAWritableRegularFile) {
    const std::string readOnly = dir.Write("ro", "abcdef");
    std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    const std::string fifo = dir.Path("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);

    EXPECT_EQ(OpenErrorCode(dir.Path("missing")), ENOENT);
    EXPECT_FALSE(std::filesystem::exists(dir.Path("missing"))) << "an open must never create";
    EXPECT_EQ(OpenErrorCode(readOnly), EACCES);
    EXPECT_EQ(OpenErrorCode(dir.Path("")), EISDIR);
    EXPECT_NE(OpenErrorCode(fifo), 0) << "a FIFO must fail at once, not block";
}

TEST_F(FileAccessTest, ASecondOpenIsRefusedWhileTheFirstIsHeld) {
    const std::string path = dir.Write("f", "abcdef");
    os::FileHandle first = files.OpenExistingShared(path);
    EXPECT_EQ(OpenErrorCode(path), EWOULDBLOCK);
    files.Close(first);
    EXPECT_EQ(OpenErrorCode(path), 0) << "closing must release the file";
}

TEST_F(FileAccessTest, AnotherProcessIsRefusedWhileTheFileIsHeld) {
    const std::string path = dir.Write("f", "abcdef");
    os::FileHandle held = files.OpenExistingShared(path);
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        try {
            os::SystemFiles().OpenExistingShared(path);
            ::_exit(0);
        } catch (const os::OsError& error) {
            ::_exit(error.Code() == EWOULDBLOCK ? 42 : 1);
        }
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 42);
    files.Close(held);
}

TEST(ProcessTest, ExecutableDirectoryIsWhereThisTestLives) {
    const std::string directory = os::ExecutableDirectory();
    ASSERT_FALSE(directory.empty());
    EXPECT_EQ(directory.back(), '/');
    EXPECT_TRUE(std::filesystem::exists(directory + "plimbor_os_tests"));
    const auto cwd = std::filesystem::current_path();
    std::filesystem::current_path("/");
    EXPECT_EQ(os::ExecutableDirectory(), directory) << "must not follow the current directory";
    std::filesystem::current_path(cwd);
}

TEST(ProcessTest, TimeOfDayIsWithinADay) {
    const std::uint32_t ms = os::UtcMillisecondsOfDay();
    EXPECT_LT(ms, 86'400'000u);
}

}  // namespace
