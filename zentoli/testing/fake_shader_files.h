#pragma once
// Shader files in memory. Every path opened is recorded.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "shader_test.h"

namespace Zentoli {

struct FakeFile {
    std::string bytes;
    std::optional<std::uint64_t> size; // reported size; by default the size of bytes
    bool sizeFails = false;
};

class CFakeShaderFiles : public IShaderFiles {
  public:
    std::unique_ptr<IShaderFile> Open(const std::wstring& path) override {
        opened.push_back(path);
        auto it = files.find(path);
        if (it == files.end())
            return nullptr;
        return std::make_unique<File>(it->second);
    }

    // The four shader files, valid, under a directory prefix.
    void AddValidSet(const std::wstring& directory = L"") {
        for (const wchar_t* name : {L"Lines.vert", L"Lines.frag", L"HiddenEdges.vert", L"HiddenEdges.frag"})
            files[directory + name] = {"void main() {}\n", std::nullopt, false};
    }

    std::map<std::wstring, FakeFile> files;
    std::vector<std::wstring> opened;

  private:
    class File : public IShaderFile {
      public:
        explicit File(const FakeFile& f) : f(f) {}
        std::optional<std::uint64_t> Size() override {
            if (f.sizeFails)
                return std::nullopt;
            return f.size ? *f.size : f.bytes.size();
        }
        std::size_t Read(char* buffer, std::size_t size) override {
            std::size_t n = std::min(size, f.bytes.size());
            std::copy_n(f.bytes.data(), n, buffer);
            return n;
        }

      private:
        FakeFile f;
    };
};

} // namespace Zentoli
