#pragma once
// Writes a text file in a chosen encoding, byte-order mark first. An existing file is replaced.
// Data stays in a 1024-byte buffer until the buffer is full or the file is closed.
#include <cstdint>
#include <string>
#include <string_view>

#include "text_file_base.h"
#include "text_file_exception.h"

namespace Velkora {

class CTextFileWrite : public CTextFileBase {
  public:
    // Creates the file; callers test IsFileOpen() before writing. A writer whose file did not
    // open collects writes until its buffer is full, then throws.
    CTextFileWrite(const std::wstring& path, TextEncoding fileEncoding);
    // Writes out the buffer and closes. A failure here cannot be thrown on: it is swallowed and
    // only kept in LastWriteError() of the dying object. Callers that must know whether the
    // whole file reached the disk call CloseFile() themselves, which throws.
    ~CTextFileWrite();

    // Writes out the buffer, then closes. Throws CTextFileException (the file closed) when the
    // buffer cannot be written.
    void CloseFile() override;

    // 8-bit text is written as it is under Ansi and converted with the code page otherwise;
    // wide text is converted with the code page under Ansi and written unit by unit otherwise.
    // Each throws CTextFileException when a full buffer cannot be written out.
    void WriteText(std::string_view text);
    void WriteText(std::wstring_view text);
    void WriteText(char c);
    void WriteText(wchar_t c);
    // CR LF in the file's encoding.
    void WriteNewLine();

    // A null pointer writes nothing.
    CTextFileWrite& operator<<(const char* text);
    CTextFileWrite& operator<<(const wchar_t* text);
    CTextFileWrite& operator<<(const std::string& text);
    CTextFileWrite& operator<<(const std::wstring& text);
    CTextFileWrite& operator<<(char c);
    CTextFileWrite& operator<<(wchar_t c);

    // System error code of the last failed write of the buffer; 0 when none failed.
    std::uint32_t LastWriteError() const { return lastWriteError; }

  private:
    void WriteByte(std::uint8_t b);
    void WriteBytes(const std::uint8_t* bytes, std::size_t count);
    void WriteCharacter(char16_t c);
    void WriteWideUnits(std::wstring_view text);
    void FlushBuffer();

    std::uint32_t lastWriteError = 0;
};

} // namespace Velkora
