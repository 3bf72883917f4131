#pragma once
// The one exception type of the text file classes: a read or write of the file failed.
// Thrown by value; the file has already been closed when it arrives.
#include <cstdint>

namespace Velkora {

class CTextFileException {
  public:
    explicit CTextFileException(std::uint32_t code) : errorCode(code) {}

    // GetLastError() of the failed call on Windows, errno on other systems.
    std::uint32_t errorCode;
};

} // namespace Velkora
