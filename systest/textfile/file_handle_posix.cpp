#include "file_handle.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "code_page_conversion.h"

namespace Velkora {
namespace {

// The wide path as the UTF-8 name the system expects; false for a name no file can have.
bool SystemName(const std::wstring& path, std::string& name) {
    bool lost = false;
    if (!WideToMultiByte(kCodePageUtf8, path, 0, name, lost) || name.find('\0') != std::string::npos) {
        errno = EINVAL;
        return false;
    }
    return true;
}

} // namespace

bool CFileHandle::OpenForRead(const std::wstring& path) {
    Close();
    std::string name;
    if (!SystemName(path, name))
        return false;
    int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    // Windows does not open a directory as a file; here it would open and fail on reading.
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(fd);
        errno = EISDIR;
        return false;
    }
    native = fd;
    return true;
}

// Other processes cannot be kept out here as on Windows; the file is replaced all the same.
bool CFileHandle::CreateForWrite(const std::wstring& path) {
    Close();
    std::string name;
    if (!SystemName(path, name))
        return false;
    int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    native = fd;
    return true;
}

// read() may stop short of a regular file's end (signals); a short block means the end of
// the file to the reader, so the block is filled up to the end here.
bool CFileHandle::Read(void* data, std::uint32_t size, std::uint32_t& bytesRead) {
    bytesRead = 0;
    if (!IsOpen()) {
        errno = EBADF;
        return false;
    }
    auto* bytes = static_cast<unsigned char*>(data);
    while (bytesRead < size) {
        ssize_t got = ::read(static_cast<int>(native), bytes + bytesRead, size - bytesRead);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            break;
        bytesRead += static_cast<std::uint32_t>(got);
    }
    return true;
}

bool CFileHandle::Write(const void* data, std::uint32_t size) {
    if (!IsOpen()) {
        errno = EBADF;
        return false;
    }
    const auto* bytes = static_cast<const unsigned char*>(data);
    while (size > 0) {
        ssize_t put = ::write(static_cast<int>(native), bytes, size);
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0)
            return false;
        if (put == 0) {
            errno = EIO;
            return false;
        }
        bytes += put;
        size -= static_cast<std::uint32_t>(put);
    }
    return true;
}

bool CFileHandle::Rewind() {
    if (!IsOpen()) {
        errno = EBADF;
        return false;
    }
    return ::lseek(static_cast<int>(native), 0, SEEK_SET) != -1;
}

std::uint64_t CFileHandle::BytesLeft() const {
    if (!IsOpen())
        return 0;
    struct stat info {};
    const off_t at = ::lseek(static_cast<int>(native), 0, SEEK_CUR);
    if (at < 0 || ::fstat(static_cast<int>(native), &info) != 0 || info.st_size < at)
        return 0;
    return static_cast<std::uint64_t>(info.st_size - at);
}

void CFileHandle::Close() {
    if (!IsOpen())
        return;
    ::close(static_cast<int>(native));
    native = kInvalid;
}

std::uint32_t LastSystemError() {
    return static_cast<std::uint32_t>(errno);
}

} // namespace Velkora
