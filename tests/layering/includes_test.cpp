// The layers stay apart: Qt only in its host, the OS only in os/, and the
// rules and word files never reach up into the forms library.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct TInclude {
    std::string file;  // relative to the source root
    std::string header;
};

std::vector<TInclude> AllIncludes() {
    const fs::path root = PLIMBOR_SOURCE_DIR;
    const std::regex include(R"(^\s*#\s*include\s*[<"]([^>"]+)[>"])");
    std::vector<TInclude> includes;
    for (const char* top : {"src", "tests", "bench", "tools"}) {
        if (!fs::exists(root / top)) continue;
        for (const auto& entry : fs::recursive_directory_iterator(root / top)) {
            const std::string extension = entry.path().extension().string();
            if (extension != ".cpp" && extension != ".h") continue;
            std::ifstream in(entry.path());
            std::string line;
            std::smatch match;
            while (std::getline(in, line))
                if (std::regex_search(line, match, include))
                    includes.push_back({fs::relative(entry.path(), root).generic_string(), match[1]});
        }
    }
    return includes;
}

bool Under(const std::string& file, std::initializer_list<const char*> folders) {
    for (const char* folder : folders)
        if (file.rfind(folder, 0) == 0) return true;
    return false;
}

bool IsQtHeader(const std::string& header) {
    return std::regex_search(header, std::regex(R"(^Q[A-Za-z]|^Qt[A-Z]|^qt[a-z]*\.h$)"));
}

bool IsSystemHeader(const std::string& header) {
    static const std::regex pattern(
        R"(^(unistd|fcntl|dirent|dlfcn|pthread|poll|termios|pwd|grp|signal|spawn|windows|winbase|winuser|shellapi|io|direct)\.h$|^(sys|arpa|netinet|mach-o|mach)/)");
    return std::regex_search(header, pattern);
}

TEST(LayeringTest, QtHeadersOnlyInTheQtHostAndItsTests) {
    for (const TInclude& include : AllIncludes()) {
        if (!IsQtHeader(include.header)) continue;
        EXPECT_TRUE(Under(include.file, {"src/forms/qt/", "tests/qt"})) << include.file << " includes " << include.header;
    }
}

TEST(LayeringTest, SystemHeadersOnlyInTheOsLayerAndItsTests) {
    for (const TInclude& include : AllIncludes()) {
        if (!IsSystemHeader(include.header)) continue;
        EXPECT_TRUE(Under(include.file, {"src/os/", "src/forms/win32/", "tests/os/"}))
            << include.file << " includes " << include.header;
    }
}

TEST(LayeringTest, RulesAndWordFilesKnowNothingOfTheWindow) {
    for (const TInclude& include : AllIncludes()) {
        if (!Under(include.file, {"src/game/", "src/wordfiles/", "src/os/"})) continue;
        EXPECT_FALSE(Under(include.header, {"forms/", "ui/"})) << include.file << " includes " << include.header;
    }
}

TEST(LayeringTest, TheScanSeesTheLayers) {
    bool sawOs = false, sawQt = false;
    for (const TInclude& include : AllIncludes()) {
        sawOs |= IsSystemHeader(include.header);
        sawQt |= IsQtHeader(include.header) || include.file.rfind("src/forms/qt/", 0) == 0;
    }
    EXPECT_TRUE(sawOs) << "the scan found no system header at all: is the source root right?";
    EXPECT_TRUE(sawQt);
}

}  // namespace
