// Zentoli's shader file reading with a file whose reported size and contents come from the
// input, and a read that may stop short: a text comes back only when it is the whole file.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "fuzz_input.h"
#include "shader_test.h"
#include "string_log_sink.h"

using namespace Zentoli;
using Velkora::CFuzzInput;

namespace {

class CInputFile : public IShaderFile {
  public:
    CInputFile(std::optional<std::uint64_t> size, std::string bytes, std::size_t readLimit)
        : size(size), bytes(std::move(bytes)), readLimit(readLimit) {}
    std::optional<std::uint64_t> Size() override { return size; }
    std::size_t Read(char* buffer, std::size_t room) override {
        const std::size_t n = std::min({room, bytes.size(), readLimit});
        std::copy_n(bytes.data(), n, buffer);
        return n;
    }

  private:
    std::optional<std::uint64_t> size;
    std::string bytes;
    std::size_t readLimit;
};

class CInputFiles : public IShaderFiles {
  public:
    std::unique_ptr<IShaderFile> Open(const std::wstring&) override { return std::move(file); }
    std::unique_ptr<IShaderFile> file;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CFuzzInput input(data, size);
    const std::uint8_t mode = input.TakeByte();
    const std::uint32_t readLimit = input.TakeUInt32();
    const std::wstring path = input.TakeWideLine();
    std::string bytes = input.TakeRest();
    std::optional<std::uint64_t> reported = bytes.size();
    // Sizes a file system could tell wrongly: none, a little off, or anything at all.
    switch (mode % 4) {
    case 1:
        reported = std::nullopt;
        break;
    case 2:
        reported = bytes.size() + (mode >> 2) - 32;
        break;
    case 3:
        reported = (std::uint64_t{readLimit} << 32) | readLimit;
        break;
    default:
        break;
    }
    CInputFiles files;
    if (!(mode & 0x80))
        files.file = std::make_unique<CInputFile>(reported, bytes, readLimit);
    CStringLogSink sink;
    CDiagLog log(sink);
    const std::optional<std::string> text = ReadShaderFile(path, files, log);
    if (text && (text->empty() || text->size() != *reported || text->size() > kMaxShaderFileSize ||
                 bytes.compare(0, text->size(), *text) != 0))
        std::abort();
    return 0;
}
