#pragma once
// Reads a text file line by line, or whole, in any of the four encodings; the byte-order mark
// tells which (none: 8-bit text). CR LF, a lone LF and a lone CR each end one line. The text
// after the last line end is always one more line, even when it is empty.
#include <string>
#include <string_view>

#include "text_file_base.h"
#include "text_file_exception.h"

namespace Velkora {

class CTextFileRead : public CTextFileBase {
  public:
    // Opens the file and reads its byte-order mark. A file that does not open leaves
    // IsFileOpen() false and AtEndOfFile() true. Throws CTextFileException if reading fails.
    explicit CTextFileRead(const std::wstring& path);
    ~CTextFileRead();

    bool AtEndOfFile() const { return endOfFile; }

    // The next line without its line end; false when no line is left.
    // 8-bit text read into a wide string, and the other encodings read into an 8-bit string,
    // are converted with the code page; a line that cannot be converted comes back empty.
    // Throws CTextFileException (after closing the file) if reading fails.
    [[nodiscard]] bool ReadTextLine(std::wstring& line);
    [[nodiscard]] bool ReadTextLine(std::string& line);

    // The rest of the file, lines joined by the separator. False only when the file is not
    // open; text is then left as it was.
    [[nodiscard]] bool ReadAllText(std::wstring& text, std::wstring_view separator);
    [[nodiscard]] bool ReadAllText(std::string& text, std::string_view separator);

  private:
    void DetectEncoding();
    void Rewind();
    void FillBuffer();
    void FailRead(std::uint32_t errorCode);
    std::uint8_t ReadByte();
    char16_t ReadCharacter();
    template <class Unit> Unit ReadUnit();
    template <class Unit> void SkipLineEnd(Unit& c);
    template <class Unit> std::size_t TakeOrdinaryUnits(Unit* out, std::size_t room);
    template <class Unit> bool ReadRawLine(std::basic_string<Unit>& line);
    template <class Text>
    [[nodiscard]] bool ReadAll(Text& text, std::basic_string_view<typename Text::value_type> separator);
    std::size_t UnitsLeftEstimate() const;

    bool pushedBack = false;
    bool atStart = true;
    char16_t pushedBackChar = 0;
    // The line before conversion, kept between calls so that a line costs no allocation.
    std::string rawBytes;
    std::wstring rawCharacters;
};

} // namespace Velkora
