#include "shader_files_win32.h"

#include "scoped_handle_win32.h"

namespace Zentoli {

using Velkora::CFile;
namespace {

class CWin32ShaderFile : public IShaderFile {
  public:
    explicit CWin32ShaderFile(HANDLE handle) : file(handle) {}

    std::optional<std::uint64_t> Size() override {
        DWORD high = 0;
        DWORD low = GetFileSize(file.Get(), &high);
        if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR)
            return std::nullopt;
        return (static_cast<std::uint64_t>(high) << 32) | low;
    }

    std::size_t Read(char* buffer, std::size_t size) override {
        DWORD read = 0;
        if (size > MAXDWORD || !ReadFile(file.Get(), buffer, static_cast<DWORD>(size), &read, nullptr))
            return 0;
        return read;
    }

  private:
    CFile file;
};

} // namespace

std::unique_ptr<IShaderFile> CWin32ShaderFiles::Open(const std::wstring& path) {
    HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_READONLY, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return nullptr;
    return std::make_unique<CWin32ShaderFile>(handle);
}

} // namespace Zentoli
