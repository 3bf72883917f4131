#include "text_file_read.h"

#include <bit>

namespace Velkora {
namespace {

// Staging block of ReadAllText, in units of the file: the same 2 MB for either width.
constexpr std::size_t kStagingUnits8 = 1048576;
constexpr std::size_t kStagingUnits16 = 524288;

bool IsUtf16(TextEncoding encoding) {
    return encoding == TextEncoding::Utf16BigEndian || encoding == TextEncoding::Utf16LittleEndian;
}

} // namespace

CTextFileRead::CTextFileRead(const std::wstring& path) : CTextFileBase(TextEncoding::Ansi) {
    if (!file.OpenForRead(path)) {
        endOfFile = true;
        return;
    }
    DetectEncoding();
}

CTextFileRead::~CTextFileRead() { CTextFileBase::CloseFile(); }

void CTextFileRead::DetectEncoding() {
    const std::uint8_t first = ReadByte();
    const std::uint8_t second = ReadByte();
    if (first == 0xFF && second == 0xFE) {
        encoding = TextEncoding::Utf16LittleEndian;
    } else if (first == 0xFE && second == 0xFF) {
        encoding = TextEncoding::Utf16BigEndian;
    } else if (first == 0xEF && second == 0xBB && ReadByte() == 0xBF) {
        encoding = TextEncoding::Utf8;
    } else {
        encoding = TextEncoding::Ansi;
        Rewind();
    }
}

void CTextFileRead::Rewind() {
    pushedBack = false;
    pushedBackChar = 0;
    if (!file.Rewind()) FailRead(LastSystemError());
    position = -1;
    bytesInBuffer = 0;
    atStart = true;
    endOfFile = false;
}

// A reader whose file failed is closed and at its end, like one whose file never opened, so
// that a caller reading "while not at the end" stops.
void CTextFileRead::FailRead(std::uint32_t errorCode) {
    CloseFile();
    endOfFile = true;
    pushedBack = false;
    position = -1;
    bytesInBuffer = 0;
    throw CTextFileException(errorCode);
}

void CTextFileRead::FillBuffer() {
    std::uint32_t got = 0;
    if (!file.Read(buffer.data(), kBlockSize, got)) FailRead(LastSystemError());
    bytesInBuffer = static_cast<std::int32_t>(got);
    position = -1;
}

std::uint8_t CTextFileRead::ReadByte() {
    if (position + 1 == 0 || position + 1 == kBlockSize) {
        FillBuffer();
        if (bytesInBuffer == 0) {
            endOfFile = true;
            return 0;
        }
    } else if (position + 1 >= bytesInBuffer) {
        // Past the end of a partly filled block; the position stays on its last byte.
        endOfFile = true;
        return 0;
    }
    return buffer[static_cast<std::size_t>(++position)];
}

char16_t CTextFileRead::ReadCharacter() {
    switch (encoding) {
    case TextEncoding::Utf16BigEndian: {
        const unsigned high = ReadByte();
        return static_cast<char16_t>((high << 8) | ReadByte());
    }
    case TextEncoding::Utf16LittleEndian: {
        const unsigned low = ReadByte();
        return static_cast<char16_t>(low | (unsigned{ReadByte()} << 8));
    }
    default:
        break;
    }
    // UTF-8, one 16-bit unit per sequence of up to three bytes. Continuation bytes are taken
    // as they come; anything else (a stray continuation byte, a four-byte lead) is U+FFFD.
    const unsigned b0 = ReadByte();
    if (b0 < 0x80) return static_cast<char16_t>(b0);
    switch (std::countl_one(static_cast<std::uint8_t>(b0))) {
    case 2: {
        const unsigned b1 = ReadByte();
        return static_cast<char16_t>(((b0 & 0x1F) << 6) | (b1 & 0x3F));
    }
    case 3: {
        const unsigned b1 = ReadByte();
        const unsigned b2 = ReadByte();
        return static_cast<char16_t>((b0 << 12) | ((b1 & 0x3F) << 6) | (b2 & 0x3F));
    }
    default:
        return 0xFFFD;
    }
}

// One unit of the line: a byte of 8-bit text, a character of the other encodings.
template <class Unit> Unit CTextFileRead::ReadUnit() {
    if (pushedBack) {
        pushedBack = false;
        return static_cast<Unit>(pushedBackChar);
    }
    if constexpr (sizeof(Unit) == 1) {
        return static_cast<Unit>(ReadByte());
    } else {
        return static_cast<Unit>(ReadCharacter());
    }
}

// The unit that ended the previous line comes back first: CR, CR LF or LF are passed over.
template <class Unit> void CTextFileRead::SkipLineEnd(Unit& c) {
    if (c == Unit('\r')) c = ReadUnit<Unit>();
    if (c == Unit('\n')) c = ReadUnit<Unit>();
}

template <class Unit> bool CTextFileRead::ReadRawLine(std::basic_string<Unit>& line) {
    if (endOfFile) return false;
    Unit c = ReadUnit<Unit>();
    if (atStart) {
        atStart = false;
    } else {
        SkipLineEnd(c);
    }
    line.clear();
    // Gathered in a local block, so that a long line grows the string once per 1023 units.
    Unit block[kBlockSize];
    std::size_t used = 0;
    while (c != Unit('\r') && c != Unit('\n') && !endOfFile) {
        block[used++] = c;
        if (used == static_cast<std::size_t>(kBlockSize - 1)) {
            line.append(block, used);
            used = 0;
        }
        c = ReadUnit<Unit>();
    }
    line.append(block, used);
    pushedBack = true;
    pushedBackChar = static_cast<char16_t>(c);
    return true;
}

bool CTextFileRead::ReadTextLine(std::wstring& line) {
    if (encoding != TextEncoding::Ansi) return ReadRawLine(line);
    std::string bytes;
    if (!ReadRawLine(bytes)) return false;
    if (!ConvertToWide(bytes, line)) line.clear();
    return true;
}

bool CTextFileRead::ReadTextLine(std::string& line) {
    if (encoding == TextEncoding::Ansi) return ReadRawLine(line);
    std::wstring characters;
    if (!ReadRawLine(characters)) return false;
    if (!ConvertToNarrow(characters, line)) line.clear();
    return true;
}

// Lines are gathered in a staging block and go to the output a block at a time; a line that
// no longer fits goes to the output straight after the block.
template <class Text>
bool CTextFileRead::ReadAll(Text& text, std::basic_string_view<typename Text::value_type> separator) {
    if (!IsFileOpen()) return false;
    const std::size_t capacity = (IsUtf16(encoding) ? kStagingUnits16 : kStagingUnits8) + 2;
    text.clear();
    text.reserve(capacity);
    Text staging;
    staging.reserve(capacity);
    Text line;
    bool first = true;
    while (ReadTextLine(line)) {
        const std::size_t length = (first ? 0 : separator.size()) + line.size();
        if (staging.size() + length > capacity) {
            text += staging;
            staging.clear();
            if (!first) text += separator;
            text += line;
        } else {
            if (!first) staging += separator;
            staging += line;
        }
        first = false;
    }
    text += staging;
    return true;
}

bool CTextFileRead::ReadAllText(std::wstring& text, std::wstring_view separator) {
    return ReadAll(text, separator);
}

bool CTextFileRead::ReadAllText(std::string& text, std::string_view separator) { return ReadAll(text, separator); }

} // namespace Velkora
