#include "support/temp_dir.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

TempDir::TempDir() {
    static std::atomic<unsigned> serial{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    root_ = fs::temp_directory_path() /
            ("plimbor-test-" + std::to_string(stamp) + "-" + std::to_string(serial++));
    fs::create_directories(root_);
}

TempDir::~TempDir() {
    std::error_code ignored;
    // A test may leave a file read-only; removal needs the directory only.
    fs::remove_all(root_, ignored);
}

std::string TempDir::Path(std::string_view name) const { return (root_ / name).string(); }

std::string TempDir::Write(std::string_view name, std::string_view bytes) const {
    const std::string path = Path(name);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
    return path;
}

std::string TempDir::WriteRecords(std::string_view name, const std::vector<std::string>& words) const {
    std::string bytes;
    for (const std::string& word : words) {
        std::string record = word.substr(0, 5);
        record.resize(5, '\0');
        bytes += record + '\n';
    }
    return Write(name, bytes);
}
