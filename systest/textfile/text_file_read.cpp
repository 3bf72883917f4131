#include "text_file_read.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace Velkora {
namespace {

// Staging block of ReadAllText, in units of the file: the same 2 MB for either width.
constexpr std::size_t kStagingUnits8 = 1048576;
constexpr std::size_t kStagingUnits16 = 524288;
// ReadAllText sizes its output from the file up to this many units; beyond, it grows.
constexpr std::uint64_t kMaxReservedUnits = std::uint64_t{1} << 28;

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

CTextFileRead::~CTextFileRead() {
    CTextFileBase::CloseFile();
}

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
    if (!file.Rewind())
        FailRead(LastSystemError());
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
    if (!file.Read(buffer.data(), kBlockSize, got))
        FailRead(LastSystemError());
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
    if (b0 < 0x80)
        return static_cast<char16_t>(b0);
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
    if (c == Unit('\r'))
        c = ReadUnit<Unit>();
    if (c == Unit('\n'))
        c = ReadUnit<Unit>();
}

// The units that follow in the buffer up to a line end, taken without going through ReadUnit
// one by one; what it leaves (a line end, a block boundary, a sequence cut by it) is read the
// ordinary way. No pushed-back unit is pending when it is called.
template <> std::size_t CTextFileRead::TakeOrdinaryUnits(char* out, std::size_t room) {
    const std::size_t from = static_cast<std::size_t>(position + 1);
    const std::size_t to = std::min(from + room, static_cast<std::size_t>(bytesInBuffer));
    std::size_t at = from;
    // Most bytes are above CR, so one comparison usually settles it.
    while (at < to && (buffer[at] > '\r' || (buffer[at] != '\r' && buffer[at] != '\n')))
        ++at;
    std::memcpy(out, buffer.data() + from, at - from);
    position += static_cast<std::int32_t>(at - from);
    return at - from;
}

template <> std::size_t CTextFileRead::TakeOrdinaryUnits(wchar_t* out, std::size_t room) {
    std::size_t taken = 0;
    std::size_t at = static_cast<std::size_t>(position + 1);
    const std::size_t end = static_cast<std::size_t>(bytesInBuffer);
    const auto isLineEnd = [](unsigned c) { return c == '\r' || c == '\n'; };
    if (encoding == TextEncoding::Utf16LittleEndian || encoding == TextEncoding::Utf16BigEndian) {
        const bool little = encoding == TextEncoding::Utf16LittleEndian;
        while (taken < room && at + 1 < end) {
            const unsigned c =
                little ? buffer[at] | (buffer[at + 1] << 8) : (buffer[at] << 8) | buffer[at + 1];
            if (isLineEnd(c))
                break;
            out[taken++] = static_cast<wchar_t>(c);
            at += 2;
        }
    } else {
        // UTF-8: single bytes and two- and three-byte sequences that lie whole in the buffer.
        while (taken < room && at < end) {
            const unsigned b0 = buffer[at];
            unsigned c;
            std::size_t length;
            if (b0 < 0x80) {
                c = b0, length = 1;
            } else if ((b0 & 0xE0) == 0xC0 && at + 1 < end) {
                c = ((b0 & 0x1F) << 6) | (buffer[at + 1] & 0x3F), length = 2;
            } else if ((b0 & 0xF0) == 0xE0 && at + 2 < end) {
                c = ((b0 << 12) | ((buffer[at + 1] & 0x3F) << 6) | (buffer[at + 2] & 0x3F)) & 0xFFFF,
                length = 3;
            } else {
                break;
            }
            if (isLineEnd(c))
                break;
            out[taken++] = static_cast<wchar_t>(c);
            at += length;
        }
    }
    position = static_cast<std::int32_t>(at) - 1;
    return taken;
}

template <class Unit> bool CTextFileRead::ReadRawLine(std::basic_string<Unit>& line) {
    if (endOfFile)
        return false;
    Unit c = ReadUnit<Unit>();
    if (atStart) {
        atStart = false;
    } else {
        SkipLineEnd(c);
    }
    line.clear();
    // Gathered in a local block, so that a long line grows the string once per 1023 units.
    constexpr std::size_t kRoom = kBlockSize - 1;
    Unit block[kBlockSize];
    std::size_t used = 0;
    while (c != Unit('\r') && c != Unit('\n') && !endOfFile) {
        block[used++] = c;
        if (used == kRoom) {
            line.append(block, used);
            used = 0;
        }
        used += TakeOrdinaryUnits(block + used, kRoom - used);
        if (used == kRoom) {
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
    if (encoding != TextEncoding::Ansi)
        return ReadRawLine(line);
    if (!ReadRawLine(rawBytes))
        return false;
    if (!ConvertToWide(rawBytes, line))
        line.clear();
    return true;
}

bool CTextFileRead::ReadTextLine(std::string& line) {
    if (encoding == TextEncoding::Ansi)
        return ReadRawLine(line);
    if (!ReadRawLine(rawCharacters))
        return false;
    if (!ConvertToNarrow(rawCharacters, line))
        line.clear();
    return true;
}

// Units the rest of the file holds, as far as the file size tells. Capped, so that a huge
// file (or a size that is not true) does not make the reader claim memory up front.
std::size_t CTextFileRead::UnitsLeftEstimate() const {
    std::uint64_t bytes = file.BytesLeft();
    if (position + 1 < bytesInBuffer)
        bytes += static_cast<std::uint64_t>(bytesInBuffer - position - 1);
    if (IsUtf16(encoding))
        bytes /= 2;
    return static_cast<std::size_t>(std::min<std::uint64_t>(bytes, kMaxReservedUnits));
}

// Lines are gathered in a staging block and go to the output a block at a time; a line that
// no longer fits goes to the output straight after the block.
template <class Text>
bool CTextFileRead::ReadAll(Text& text, std::basic_string_view<typename Text::value_type> separator) {
    if (!IsFileOpen())
        return false;
    const std::size_t capacity = (IsUtf16(encoding) ? kStagingUnits16 : kStagingUnits8) + 2;
    text.clear();
    // Room for the whole rest of the file with some slack for separators longer than the line
    // ends, so that the output is allocated once; sized from the file alone, so that a file of
    // a few bytes costs a few bytes (a reader called for many small files stays fast).
    const std::size_t expected = UnitsLeftEstimate();
    const std::size_t room = expected + expected / 16 + 2;
    text.reserve(room);
    Text staging;
    staging.reserve(std::min(capacity, room));
    Text line;
    bool first = true;
    while (ReadTextLine(line)) {
        const std::size_t length = (first ? 0 : separator.size()) + line.size();
        if (staging.size() + length > capacity) {
            text += staging;
            staging.clear();
            if (!first)
                text += separator;
            text += line;
        } else {
            if (!first)
                staging += separator;
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

bool CTextFileRead::ReadAllText(std::string& text, std::string_view separator) {
    return ReadAll(text, separator);
}

} // namespace Velkora
