#include "file_handle.h"

#include <windows.h>

namespace Velkora {
namespace {

HANDLE AsHandle(std::intptr_t native) {
    return reinterpret_cast<HANDLE>(native);
}

// CreateFileW would stop at an embedded NUL and open another file than the one named.
bool HasEmbeddedNul(const std::wstring& path) {
    return path.find(L'\0') != std::wstring::npos;
}

} // namespace

bool CFileHandle::OpenForRead(const std::wstring& path) {
    Close();
    if (HasEmbeddedNul(path)) {
        SetLastError(ERROR_INVALID_NAME);
        return false;
    }
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    native = reinterpret_cast<std::intptr_t>(h);
    return true;
}

bool CFileHandle::CreateForWrite(const std::wstring& path) {
    Close();
    if (HasEmbeddedNul(path)) {
        SetLastError(ERROR_INVALID_NAME);
        return false;
    }
    HANDLE h =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    native = reinterpret_cast<std::intptr_t>(h);
    return true;
}

bool CFileHandle::Read(void* data, std::uint32_t size, std::uint32_t& bytesRead) {
    bytesRead = 0;
    if (!IsOpen()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return false;
    }
    DWORD got = 0;
    if (!ReadFile(AsHandle(native), data, size, &got, nullptr))
        return false;
    bytesRead = got;
    return true;
}

bool CFileHandle::Write(const void* data, std::uint32_t size) {
    if (!IsOpen()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return false;
    }
    const auto* bytes = static_cast<const unsigned char*>(data);
    while (size > 0) {
        DWORD put = 0;
        if (!WriteFile(AsHandle(native), bytes, size, &put, nullptr))
            return false;
        if (put == 0) {
            SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
        bytes += put;
        size -= put;
    }
    return true;
}

bool CFileHandle::Rewind() {
    if (!IsOpen()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return false;
    }
    return SetFilePointer(AsHandle(native), 0, nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER;
}

std::uint64_t CFileHandle::BytesLeft() const {
    if (!IsOpen())
        return 0;
    LARGE_INTEGER size{}, at{}, zero{};
    if (!GetFileSizeEx(AsHandle(native), &size) ||
        !SetFilePointerEx(AsHandle(native), zero, &at, FILE_CURRENT) || size.QuadPart < at.QuadPart) {
        return 0;
    }
    return static_cast<std::uint64_t>(size.QuadPart - at.QuadPart);
}

void CFileHandle::Close() {
    if (!IsOpen())
        return;
    CloseHandle(AsHandle(native));
    native = kInvalid;
}

std::uint32_t LastSystemError() {
    return GetLastError();
}

} // namespace Velkora
