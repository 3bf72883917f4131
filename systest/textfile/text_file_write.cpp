#include "text_file_write.h"

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
    if (!file.CreateForWrite(path)) return;
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
    if (!IsFileOpen()) return;
    FlushBuffer();
    CTextFileBase::CloseFile();
}

// On failure the file is closed and the bytes stay in the buffer, so every later write fails
// too instead of vanishing silently.
void CTextFileWrite::FlushBuffer() {
    if (position < 0) return;
    if (!file.Write(buffer.data(), static_cast<std::uint32_t>(position + 1))) {
        lastWriteError = LastSystemError();
        CTextFileBase::CloseFile();
        throw CTextFileException(lastWriteError);
    }
    position = -1;
}

void CTextFileWrite::WriteByte(std::uint8_t b) {
    if (position + 1 == kBlockSize) FlushBuffer();
    buffer[static_cast<std::size_t>(++position)] = b;
}

// Each 16-bit unit by itself: a surrogate pair becomes two three-byte sequences in UTF-8.
void CTextFileWrite::WriteCharacter(char16_t c) {
    switch (encoding) {
    case TextEncoding::Utf16BigEndian:
        WriteByte(static_cast<std::uint8_t>(c >> 8));
        WriteByte(static_cast<std::uint8_t>(c & 0xFF));
        break;
    case TextEncoding::Utf16LittleEndian:
        WriteByte(static_cast<std::uint8_t>(c & 0xFF));
        WriteByte(static_cast<std::uint8_t>(c >> 8));
        break;
    default:
        if (c < 0x80) {
            WriteByte(static_cast<std::uint8_t>(c));
        } else if (c < 0x800) {
            WriteByte(static_cast<std::uint8_t>(0xC0 | (c >> 6)));
            WriteByte(static_cast<std::uint8_t>(0x80 | (c & 0x3F)));
        } else {
            WriteByte(static_cast<std::uint8_t>(0xE0 | (c >> 12)));
            WriteByte(static_cast<std::uint8_t>(0x80 | ((c >> 6) & 0x3F)));
            WriteByte(static_cast<std::uint8_t>(0x80 | (c & 0x3F)));
        }
        break;
    }
}

void CTextFileWrite::WriteWideUnits(std::wstring_view text) {
    for (wchar_t unit : text) {
        char32_t c = static_cast<char32_t>(unit);
        // Only where wchar_t has 32 bits can it hold a whole code point; it is written as the
        // surrogate pair Windows would hold.
        if (c > 0xFFFF) {
            if (c > 0x10FFFF) {
                WriteCharacter(0xFFFD);
                continue;
            }
            c -= 0x10000;
            WriteCharacter(static_cast<char16_t>(0xD800 + (c >> 10)));
            WriteCharacter(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
            continue;
        }
        WriteCharacter(static_cast<char16_t>(c));
    }
}

void CTextFileWrite::WriteText(std::string_view text) {
    if (encoding == TextEncoding::Ansi) {
        for (char c : text) WriteByte(static_cast<std::uint8_t>(c));
        return;
    }
    std::wstring wide;
    if (ConvertToWide(text, wide)) WriteWideUnits(wide);
}

void CTextFileWrite::WriteText(std::wstring_view text) {
    if (encoding != TextEncoding::Ansi) {
        WriteWideUnits(text);
        return;
    }
    std::string bytes;
    if (ConvertToNarrow(text, bytes)) {
        for (char c : bytes) WriteByte(static_cast<std::uint8_t>(c));
    }
}

void CTextFileWrite::WriteText(char c) { WriteText(std::string_view(&c, 1)); }

void CTextFileWrite::WriteText(wchar_t c) { WriteText(std::wstring_view(&c, 1)); }

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
    if (text != nullptr) WriteText(std::string_view(text));
    return *this;
}

CTextFileWrite& CTextFileWrite::operator<<(const wchar_t* text) {
    if (text != nullptr) WriteText(std::wstring_view(text));
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
