// The text file reader over any bytes: each encoding follows from the bytes themselves (a
// byte-order mark or none). The first byte picks wide or 8-bit lines and the code page; the
// rest is the file. Lines read one by one and joined must equal what ReadAllText gives.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "code_page_conversion.h"
#include "fuzz_input.h"
#include "text_file_read.h"

using namespace Velkora;

namespace {

// One file in memory for the whole run, rewritten for each input: opening it by name gives the
// reader a file of its own offset, as a file on disk would.
class CMemoryFile {
  public:
    CMemoryFile() : fd(memfd_create("velkora-fuzz-text", 0)) {
        if (fd < 0)
            std::abort();
        path = L"/proc/self/fd/" + std::to_wstring(fd);
    }
    void Fill(const std::string& bytes) {
        if (ftruncate(fd, 0) != 0 ||
            pwrite(fd, bytes.data(), bytes.size(), 0) != static_cast<ssize_t>(bytes.size()))
            std::abort();
    }
    std::wstring path;

  private:
    int fd;
};

template <class Text>
Text JoinedLines(const std::wstring& path, std::uint32_t codePage, const Text& separator) {
    CTextFileRead reader(path);
    reader.SetConversionCodePage(codePage);
    Text joined, line;
    bool first = true;
    while (reader.ReadTextLine(line)) {
        if (!first)
            joined += separator;
        joined += line;
        first = false;
    }
    return joined;
}

template <class Text> Text AllText(const std::wstring& path, std::uint32_t codePage, const Text& separator) {
    CTextFileRead reader(path);
    reader.SetConversionCodePage(codePage);
    Text text;
    if (!reader.ReadAllText(text, separator))
        std::abort();
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static CMemoryFile file;
    CFuzzInput input(data, size);
    const std::uint8_t mode = input.TakeByte();
    const std::uint32_t codePage = (mode & 2) ? kCodePageUtf8 : kCodePageWindows1252;
    file.Fill(input.TakeRest());
    if (mode & 1) {
        const std::string separator = (mode & 4) ? "\r\n" : "";
        if (JoinedLines<std::string>(file.path, codePage, separator) !=
            AllText<std::string>(file.path, codePage, separator))
            std::abort();
    } else {
        const std::wstring separator = (mode & 4) ? L"\r\n" : L"";
        if (JoinedLines<std::wstring>(file.path, codePage, separator) !=
            AllText<std::wstring>(file.path, codePage, separator))
            std::abort();
    }
    return 0;
}
