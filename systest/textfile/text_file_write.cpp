#include "text_file_write.h"

#include <algorithm>
#include <cstring>

namespace Velkora {
namespace {

TextEncoding KnownEncoding(TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf16BigEndian:
    case TextEncoding::Utf16LittleEndian:
    case TextEncoding::Utf8:
        return encoding;
    default:
        return TextEncoding::Ansi; // a value outside the four writes plain 8-bit text
    }
}

} // namespace

CTextFileWrite::CTextFileWrite(const std::wstring& path, TextEncoding fileEncoding)
    : CTextFileBase(KnownEncoding(fileEncoding)) {
    if (!file.CreateForWrite(path))
        return;
    switch (encoding) {
    case TextEncoding::Utf16BigEndian:
    case TextEncoding::Utf16LittleEndian:
        WriteCharacter(0xFEFF);
        break;
    case TextEncoding::Utf8:
        WriteByte(0xEF);
        WriteByte(0xBB);
        WriteByte(0xBF);
        break;
    default:
        break;
    }
}

// A destructor that throws would end the process; the failure stays in lastWriteError.
CTextFileWrite::~CTextFileWrite() {
    try {
        CloseFile();
    } catch (const CTextFileException&) {
    }
}

void CTextFileWrite::CloseFile() {
    if (!IsFileOpen())
        return;
    FlushBuffer();
    CTextFileBase::CloseFile();
}

// On failure the file is closed and the bytes stay in the buffer, so every later write fails
// too instead of vanishing silently.
void CTextFileWrite::FlushBuffer() {
    if (position < 0)
        return;
    if (!file.Write(buffer.data(), static_cast<std::uint32_t>(position + 1))) {
        lastWriteError = LastSystemError();
        CTextFileBase::CloseFile();
        throw CTextFileException(lastWriteError);
    }
    position = -1;
}

void CTextFileWrite::WriteByte(std::uint8_t b) {
    if (position + 1 == kBlockSize)
        FlushBuffer();
    buffer[static_cast<std::size_t>(++position)] = b;
}

// As WriteByte for each byte, a buffer's worth at a time.
void CTextFileWrite::WriteBytes(const std::uint8_t* bytes, std::size_t count) {
    while (count > 0) {
        if (position + 1 == kBlockSize)
            FlushBuffer();
        const std::size_t room = static_cast<std::size_t>(kBlockSize - (position + 1));
        const std::size_t take = std::min(room, count);
        std::memcpy(buffer.data() + position + 1, bytes, take);
        position += static_cast<std::int32_t>(take);
        bytes += take;
        count -= take;
    }
}

namespace {

// Each 16-bit unit by itself: a surrogate pair becomes two three-byte sequences in UTF-8.
// Returns the bytes put at out (at most 3).
std::size_t EncodeUnit(TextEncoding encoding, char16_t c, std::uint8_t* out) {
    switch (encoding) {
    case TextEncoding::Utf16BigEndian:
        out[0] = static_cast<std::uint8_t>(c >> 8);
        out[1] = static_cast<std::uint8_t>(c & 0xFF);
        return 2;
    case TextEncoding::Utf16LittleEndian:
        out[0] = static_cast<std::uint8_t>(c & 0xFF);
        out[1] = static_cast<std::uint8_t>(c >> 8);
        return 2;
    default:
        break;
    }
    if (c < 0x80) {
        out[0] = static_cast<std::uint8_t>(c);
        return 1;
    }
    if (c < 0x800) {
        out[0] = static_cast<std::uint8_t>(0xC0 | (c >> 6));
        out[1] = static_cast<std::uint8_t>(0x80 | (c & 0x3F));
        return 2;
    }
    out[0] = static_cast<std::uint8_t>(0xE0 | (c >> 12));
    out[1] = static_cast<std::uint8_t>(0x80 | ((c >> 6) & 0x3F));
    out[2] = static_cast<std::uint8_t>(0x80 | (c & 0x3F));
    return 3;
}

} // namespace

void CTextFileWrite::WriteCharacter(char16_t c) {
    std::uint8_t bytes[3];
    WriteBytes(bytes, EncodeUnit(encoding, c, bytes));
}

// Encoded a stretch at a time into a local block, which goes to the buffer whole.
void CTextFileWrite::WriteWideUnits(std::wstring_view text) {
    std::uint8_t block[kBlockSize + 8];
    std::size_t used = 0;
    for (wchar_t unit : text) {
        if (used > static_cast<std::size_t>(kBlockSize)) {
            WriteBytes(block, used);
            used = 0;
        }
        char32_t c = static_cast<char32_t>(unit);
        // Only where wchar_t has 32 bits can it hold a whole code point; it is written as the
        // surrogate pair Windows would hold.
        if (c > 0x10FFFF) {
            c = 0xFFFD;
        } else if (c > 0xFFFF) {
            c -= 0x10000;
            used += EncodeUnit(encoding, static_cast<char16_t>(0xD800 + (c >> 10)), block + used);
            c = 0xDC00 + (c & 0x3FF);
        }
        used += EncodeUnit(encoding, static_cast<char16_t>(c), block + used);
    }
    WriteBytes(block, used);
}

void CTextFileWrite::WriteText(std::string_view text) {
    if (encoding == TextEncoding::Ansi) {
        WriteBytes(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
        return;
    }
    std::wstring wide;
    if (ConvertToWide(text, wide))
        WriteWideUnits(wide);
}

void CTextFileWrite::WriteText(std::wstring_view text) {
    if (encoding != TextEncoding::Ansi) {
        WriteWideUnits(text);
        return;
    }
    std::string bytes;
    if (ConvertToNarrow(text, bytes))
        WriteBytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

void CTextFileWrite::WriteText(char c) {
    WriteText(std::string_view(&c, 1));
}

void CTextFileWrite::WriteText(wchar_t c) {
    WriteText(std::wstring_view(&c, 1));
}

void CTextFileWrite::WriteNewLine() {
    if (encoding == TextEncoding::Ansi) {
        WriteByte('\r');
        WriteByte('\n');
    } else {
        WriteCharacter(u'\r');
        WriteCharacter(u'\n');
    }
}

CTextFileWrite& CTextFileWrite::operator<<(const char* text) {
    if (text != nullptr)
        WriteText(std::string_view(text));
    return *this;
}

CTextFileWrite& CTextFileWrite::operator<<(const wchar_t* text) {
    if (text != nullptr)
        WriteText(std::wstring_view(text));
    return *this;
}

CTextFileWrite& CTextFileWrite::operator<<(const std::string& text) {
    WriteText(std::string_view(text));
    return *this;
}

CTextFileWrite& CTextFileWrite::operator<<(const std::wstring& text) {
    WriteText(std::wstring_view(text));
    return *this;
}

CTextFileWrite& CTextFileWrite::operator<<(char c) {
    WriteText(c);
    return *this;
}

CTextFileWrite& CTextFileWrite::operator<<(wchar_t c) {
    WriteText(c);
    return *this;
}

} // namespace Velkora
