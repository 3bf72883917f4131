#pragma once
// The shared results table as a file on a disk or a share: held with no sharing allowed while a
// row is added, so that writers on many machines take turns.
#include <windows.h>

#include <string>

#include "scoped_handle_win32.h"
#include "shared_table_append.h"

namespace Velkora {

class CSharedTableFile : public ISharedTableFile {
  public:
    explicit CSharedTableFile(std::wstring path) : path(std::move(path)) {}
    OpenResult Open() override;
    std::optional<std::uint64_t> Size() override;
    std::optional<std::string> Read(std::uint64_t offset, std::uint32_t length) override;
    bool Append(const std::string& bytes) override;
    bool CutTo(std::uint64_t size) override;
    void Close() override { file.Reset(); }
    // The system's code of the last failed step, for the message.
    DWORD LastError() const { return lastError; }

  private:
    bool Failed() {
        lastError = GetLastError();
        return false;
    }

    std::wstring path;
    CFile file;
    DWORD lastError = 0;
};

class CSystemAppendClock : public IAppendClock {
  public:
    std::uint64_t NowMilliseconds() override { return GetTickCount64(); }
    void Sleep(std::uint32_t milliseconds) override { ::Sleep(milliseconds); }
    std::uint32_t Random(std::uint32_t bound) override;
};

} // namespace Velkora
