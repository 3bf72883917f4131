#pragma once
// A directory of its own under the temporary folder for one test, removed afterwards, and
// the raw bytes of the files in it.
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace Velkora {

class CScratchDirectory {
  public:
    CScratchDirectory() {
        static std::atomic<unsigned> counter{0};
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        root = std::filesystem::temp_directory_path() /
               ("velkora-textfile-" + std::to_string(stamp) + "-" + std::to_string(counter++));
        std::filesystem::create_directories(root);
    }
    ~CScratchDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }
    CScratchDirectory(const CScratchDirectory&) = delete;
    CScratchDirectory& operator=(const CScratchDirectory&) = delete;

    std::filesystem::path Root() const { return root; }
    // Joined as wide text: std::filesystem would convert a non-ASCII wide name with the C
    // library's locale on Linux, which may know no more than ASCII.
    std::wstring PathOf(std::wstring_view name) const {
        return root.wstring() + static_cast<wchar_t>(std::filesystem::path::preferred_separator) +
               std::wstring(name);
    }

    // Names here are ASCII.
    std::wstring WriteBytes(std::wstring_view name, std::string_view bytes) const {
        std::ofstream out(root / std::filesystem::path(name), std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return PathOf(name);
    }

    std::string ReadBytes(std::wstring_view name) const {
        std::ifstream in(root / std::filesystem::path(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

  private:
    std::filesystem::path root;
};

} // namespace Velkora
