#pragma once
// What the text file reader and writer share: the file, its encoding, one block of 1024 bytes
// read ahead or written behind, and the settings for converting 8-bit text.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "file_handle.h"
#include "text_encoding.h"

namespace Velkora {

class CTextFileBase {
  public:
    static constexpr std::int32_t kBlockSize = 1024;

    CTextFileBase(const CTextFileBase&) = delete;
    CTextFileBase& operator=(const CTextFileBase&) = delete;

    // Closes the file if it is open. The writer writes out its buffer first (and may throw).
    virtual void CloseFile();

    bool IsFileOpen() const { return file.IsOpen(); }
    TextEncoding GetFileEncoding() const { return encoding; }

    // Code page of 8-bit text; 0, the system's ANSI code page, until set.
    std::uint32_t GetConversionCodePage() const { return codePage; }
    void SetConversionCodePage(std::uint32_t page) { codePage = page; }
    // For characters the code page lacks; 0 takes the code page's default.
    void SetReplacementChar(char replacement) { replacementChar = replacement; }
    // Set when a wide-to-8-bit conversion replaced a character; stays set until cleared.
    bool ConversionLostData() const { return conversionLost; }
    void ClearConversionLost() { conversionLost = false; }

  protected:
    explicit CTextFileBase(TextEncoding initialEncoding) : encoding(initialEncoding) {}
    // Not virtual: nothing is ever deleted through the base, so it is protected.
    ~CTextFileBase() = default;

    // Conversions with this object's code page and replacement character. A conversion that
    // fails leaves out empty and returns false.
    [[nodiscard]] bool ConvertToWide(std::string_view in, std::wstring& out) const;
    [[nodiscard]] bool ConvertToNarrow(std::wstring_view in, std::string& out);

    TextEncoding encoding;
    CFileHandle file;
    bool endOfFile = false;
    std::array<std::uint8_t, kBlockSize> buffer{};
    std::int32_t position = -1;     // index of the last byte used; -1 = none
    std::int32_t bytesInBuffer = 0; // reader: bytes the last block read holds
    char replacementChar = 0;
    bool conversionLost = false;
    std::uint32_t codePage = 0;
};

} // namespace Velkora
