#pragma once
// The few file operations the text file classes need, kept apart so that the reading and
// writing rules stay free of the platform. One implementation per platform:
// file_handle_win32.cpp (CreateFileW, ReadFile, WriteFile) and file_handle_posix.cpp.
#include <cstdint>
#include <string>

namespace Velkora {

class CFileHandle {
  public:
    CFileHandle() = default;
    ~CFileHandle() { Close(); }
    CFileHandle(const CFileHandle&) = delete;
    CFileHandle& operator=(const CFileHandle&) = delete;

    // An existing file, for reading; others may read it at the same time.
    [[nodiscard]] bool OpenForRead(const std::wstring& path);
    // A new or emptied file, for writing; nobody else may open it meanwhile (Windows only).
    [[nodiscard]] bool CreateForWrite(const std::wstring& path);

    // One block: up to size bytes, fewer only at the end of the file (0 there).
    [[nodiscard]] bool Read(void* data, std::uint32_t size, std::uint32_t& bytesRead);
    // All size bytes, or false.
    [[nodiscard]] bool Write(const void* data, std::uint32_t size);
    // Back to offset 0.
    [[nodiscard]] bool Rewind();
    // Bytes from the file pointer to the end; 0 when it cannot be told.
    std::uint64_t BytesLeft() const;
    void Close();
    bool IsOpen() const { return native != kInvalid; }

  private:
    // INVALID_HANDLE_VALUE and the invalid file descriptor are both -1.
    static constexpr std::intptr_t kInvalid = -1;
    std::intptr_t native = kInvalid;
};

// The system's error code of the last failed call on this thread (GetLastError or errno).
// Read it right after the failure, before anything else can change it.
std::uint32_t LastSystemError();

} // namespace Velkora
