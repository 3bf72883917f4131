#include "shared_table_file_win32.h"

namespace Velkora {

ISharedTableFile::OpenResult CSharedTableFile::Open() {
    // No sharing: the share mode itself keeps every other writer (and a reader) out, on a share
    // as on a local disk, with nothing left behind when a writer dies.
    file.Reset(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file)
        return OpenResult::kOpened;
    lastError = GetLastError();
    return lastError == ERROR_SHARING_VIOLATION || lastError == ERROR_LOCK_VIOLATION ? OpenResult::kHeld
                                                                                     : OpenResult::kFailed;
}

std::optional<std::uint64_t> CSharedTableFile::Size() {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size)) {
        Failed();
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(size.QuadPart);
}

std::optional<std::string> CSharedTableFile::Read(std::uint64_t offset, std::uint32_t length) {
    LARGE_INTEGER at{};
    at.QuadPart = static_cast<LONGLONG>(offset);
    if (!SetFilePointerEx(file.Get(), at, nullptr, FILE_BEGIN)) {
        Failed();
        return std::nullopt;
    }
    std::string bytes(length, '\0');
    DWORD got = 0;
    if (!ReadFile(file.Get(), bytes.data(), length, &got, nullptr)) {
        Failed();
        return std::nullopt;
    }
    bytes.resize(got);
    return bytes;
}

bool CSharedTableFile::Append(const std::string& bytes) {
    LARGE_INTEGER none{};
    if (!SetFilePointerEx(file.Get(), none, nullptr, FILE_END))
        return Failed();
    DWORD written = 0;
    if (!WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
        return Failed();
    if (written != bytes.size()) {
        lastError = ERROR_HANDLE_DISK_FULL;
        return false;
    }
    return FlushFileBuffers(file.Get()) != FALSE || Failed();
}

bool CSharedTableFile::CutTo(std::uint64_t size) {
    LARGE_INTEGER at{};
    at.QuadPart = static_cast<LONGLONG>(size);
    return SetFilePointerEx(file.Get(), at, nullptr, FILE_BEGIN) && SetEndOfFile(file.Get());
}

std::uint32_t CSystemAppendClock::Random(std::uint32_t bound) {
    // Writers on many machines must not draw alike: the process, the thread and the clock mixed.
    static std::uint64_t state = (static_cast<std::uint64_t>(GetCurrentProcessId()) << 32) ^
                                 GetTickCount64() ^ (static_cast<std::uint64_t>(GetCurrentThreadId()) << 16);
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    state = state * 6364136223846793005ull + 1442695040888963407ull +
            static_cast<std::uint64_t>(counter.QuadPart);
    return bound == 0 ? 0 : static_cast<std::uint32_t>((state >> 33) % bound);
}

} // namespace Velkora
