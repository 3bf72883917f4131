#include "text_file_write.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "code_page_conversion.h"
#include "scratch_directory.h"
#include "text_file_read.h"

namespace Velkora {
namespace {

using namespace std::string_literals;

class TextFileWriteTest : public testing::Test {
  protected:
    CScratchDirectory dir;
};

struct MarkRow {
    TextEncoding encoding;
    std::string bytes; // of "a" and a new line
};

TEST_F(TextFileWriteTest, MarkAndNewLineInEachEncoding) {
    for (const MarkRow& row :
         {MarkRow{TextEncoding::Ansi, "a\r\n"}, MarkRow{TextEncoding::Utf16BigEndian, "\xFE\xFF\0a\0\r\0\n"s},
          MarkRow{TextEncoding::Utf16LittleEndian, "\xFF\xFE"
                                                   "a\0\r\0\n\0"s},
          MarkRow{TextEncoding::Utf8, "\xEF\xBB\xBF"
                                      "a\r\n"}}) {
        {
            CTextFileWrite writer(dir.PathOf(L"mark.txt"), row.encoding);
            ASSERT_TRUE(writer.IsFileOpen());
            EXPECT_EQ(writer.GetFileEncoding(), row.encoding);
            writer << L"a";
            writer.WriteNewLine();
        }
        EXPECT_EQ(dir.ReadBytes(L"mark.txt"), row.bytes) << static_cast<int>(row.encoding);
    }
}

struct Utf8Row {
    std::wstring text;
    std::string bytes;
};

// Every 16-bit unit by itself: a surrogate pair gives two three-byte sequences.
TEST_F(TextFileWriteTest, Utf8UnitByUnit) {
    for (const Utf8Row& row :
         {Utf8Row{L"\u00E9", "\xC3\xA9"}, Utf8Row{L"\u20AC", "\xE2\x82\xAC"}, Utf8Row{L"\u007F", "\x7F"},
          Utf8Row{L"\u0080", "\xC2\x80"}, Utf8Row{L"\u07FF", "\xDF\xBF"}, Utf8Row{L"\u0800", "\xE0\xA0\x80"},
          Utf8Row{L"\uFFFF", "\xEF\xBF\xBF"}, Utf8Row{L"\0"s, "\0"s},
          Utf8Row{{wchar_t(0xD83D), wchar_t(0xDE00)}, "\xED\xA0\xBD\xED\xB8\x80"}}) {
        {
            CTextFileWrite writer(dir.PathOf(L"utf8.txt"), TextEncoding::Utf8);
            writer << row.text;
        }
        EXPECT_EQ(dir.ReadBytes(L"utf8.txt"), "\xEF\xBB\xBF" + row.bytes);
    }
}

TEST_F(TextFileWriteTest, AnsiReplacesWhatTheCodePageLacks) {
    struct Row {
        char replacement;
        std::string bytes;
    };
    for (const Row& row : {Row{0, "a?\x80"}, Row{'#', "a#\x80"}}) {
        CTextFileWrite writer(dir.PathOf(L"ansi.txt"), TextEncoding::Ansi);
        writer.SetConversionCodePage(kCodePageWindows1252);
        writer.SetReplacementChar(row.replacement);
        writer << L"a\u4E2D\u20AC";
        EXPECT_TRUE(writer.ConversionLostData());
        writer.ClearConversionLost();
        writer << L"b";
        EXPECT_FALSE(writer.ConversionLostData());
        writer.CloseFile();
        EXPECT_EQ(dir.ReadBytes(L"ansi.txt"), row.bytes + "b");
    }
}

TEST_F(TextFileWriteTest, EightBitTextIsConvertedForTheOtherEncodings) {
    {
        CTextFileWrite writer(dir.PathOf(L"mixed.txt"), TextEncoding::Utf8);
        writer.SetConversionCodePage(kCodePageWindows1252);
        writer << "caf\xE9" << ' ' << '\x80' << std::string("!") << L'\u00FC';
        writer.WriteText("x");
        writer.WriteText(std::wstring(L"y"));
    }
    EXPECT_EQ(dir.ReadBytes(L"mixed.txt"), "\xEF\xBB\xBF"
                                           "caf\xC3\xA9 \xE2\x82\xAC!\xC3\xBCxy");
}

TEST_F(TextFileWriteTest, NullPointersWriteNothing) {
    {
        CTextFileWrite writer(dir.PathOf(L"null.txt"), TextEncoding::Ansi);
        writer << static_cast<const char*>(nullptr) << "a" << static_cast<const wchar_t*>(nullptr) << "b";
    }
    EXPECT_EQ(dir.ReadBytes(L"null.txt"), "ab");
}

TEST_F(TextFileWriteTest, UnknownEncodingWritesAnsi) {
    CTextFileWrite writer(dir.PathOf(L"odd.txt"), static_cast<TextEncoding>(7));
    EXPECT_EQ(writer.GetFileEncoding(), TextEncoding::Ansi);
}

TEST_F(TextFileWriteTest, ReplacesAnExistingFile) {
    dir.WriteBytes(L"old.txt", "a much longer old content");
    {
        CTextFileWrite writer(dir.PathOf(L"old.txt"), TextEncoding::Ansi);
        writer << "new";
    }
    EXPECT_EQ(dir.ReadBytes(L"old.txt"), "new");
}

// The buffer goes to the file only once it holds 1024 bytes and another one comes, or on close.
TEST_F(TextFileWriteTest, WritesWholeBlocks) {
    const auto size = [&] { return std::filesystem::file_size(dir.Root() / "blocks.txt"); };
    CTextFileWrite writer(dir.PathOf(L"blocks.txt"), TextEncoding::Ansi);
    writer << std::string(1024, 'x');
    EXPECT_EQ(size(), 0u);
    writer << 'y';
    EXPECT_EQ(size(), 1024u);
    writer << std::string(1023, 'z');
    EXPECT_EQ(size(), 1024u);
    writer.CloseFile();
    EXPECT_FALSE(writer.IsFileOpen());
    EXPECT_EQ(size(), 2048u);
    writer.CloseFile(); // closing twice is harmless
}

struct RoundTripRow {
    TextEncoding encoding;
    std::vector<std::wstring> lines;
};

std::vector<std::wstring> TextOfEveryKind(bool sixteenBitUnits) {
    std::vector<std::wstring> lines = {L"Gr\u00FC\u00DFe, \u20AC 12,50",     L"", L"tab\tand \"quotes\"",
                                       std::wstring(3000, L'\u00E9') + L"!", L"", L"last line"};
    if (sixteenBitUnits) {
        lines.push_back(L"\u4E2D\u6587 \u0416 " + std::wstring{wchar_t(0xD83D), wchar_t(0xDE00)});
    }
    lines.push_back(L"");
    return lines;
}

TEST_F(TextFileWriteTest, WhatIsWrittenReadsBackInEveryEncoding) {
    for (TextEncoding encoding : {TextEncoding::Ansi, TextEncoding::Utf16BigEndian,
                                  TextEncoding::Utf16LittleEndian, TextEncoding::Utf8}) {
        SCOPED_TRACE(static_cast<int>(encoding));
        const std::vector<std::wstring> lines = TextOfEveryKind(encoding != TextEncoding::Ansi);
        {
            CTextFileWrite writer(dir.PathOf(L"trip.txt"), encoding);
            writer.SetConversionCodePage(kCodePageWindows1252);
            for (std::size_t i = 0; i < lines.size(); ++i) {
                if (i > 0)
                    writer.WriteNewLine();
                writer.WriteText(std::wstring_view(lines[i]));
            }
            EXPECT_FALSE(writer.ConversionLostData());
        }
        CTextFileRead reader(dir.PathOf(L"trip.txt"));
        reader.SetConversionCodePage(kCodePageWindows1252);
        EXPECT_EQ(reader.GetFileEncoding(), encoding);
        std::vector<std::wstring> read;
        std::wstring line;
        while (!reader.AtEndOfFile() && reader.ReadTextLine(line))
            read.push_back(line);
        EXPECT_EQ(read, lines);
    }
}

TEST_F(TextFileWriteTest, NonAsciiFileName) {
    {
        CTextFileWrite writer(dir.PathOf(L"Bericht_\u00E4\u20AC.txt"), TextEncoding::Utf8);
        ASSERT_TRUE(writer.IsFileOpen());
        writer << L"x";
    }
    std::ifstream in(dir.Root() / std::filesystem::path(u8"Bericht_\u00E4\u20AC.txt"), std::ios::binary);
    std::string bytes(std::istreambuf_iterator<char>(in), {});
    EXPECT_EQ(bytes, "\xEF\xBB\xBFx");
}

#ifdef _WIN32
constexpr std::uint32_t kInvalidHandle = 6; // ERROR_INVALID_HANDLE
constexpr std::uint32_t kDiskFull = 112;    // ERROR_DISK_FULL
const std::wstring kFullDevice = L"Z:\\dev\\full";
#else
constexpr std::uint32_t kInvalidHandle = EBADF;
constexpr std::uint32_t kDiskFull = ENOSPC;
const std::wstring kFullDevice = L"/dev/full";
#endif

// A writer whose file did not open collects 1024 bytes, then fails on the first write-out.
TEST_F(TextFileWriteTest, WriterWithoutFileThrowsWhenTheBufferIsFull) {
    CTextFileWrite writer(dir.PathOf(L"no-such-folder/report.txt"), TextEncoding::Ansi);
    EXPECT_FALSE(writer.IsFileOpen());
    writer << std::string(1024, 'x');
    try {
        writer << 'y';
        FAIL() << "no exception";
    } catch (const CTextFileException& e) {
        EXPECT_EQ(e.errorCode, kInvalidHandle);
    }
    EXPECT_EQ(writer.LastWriteError(), kInvalidHandle);
    EXPECT_THROW(writer << 'z', CTextFileException) << "the unwritten bytes are not dropped silently";
    writer.CloseFile(); // not open: nothing to write out
}

// A device that is always full: the write-out fails with the system's code, the file is closed.
TEST_F(TextFileWriteTest, FailedWriteOutThrowsTheSystemCode) {
    {
        CTextFileWrite probe(kFullDevice, TextEncoding::Ansi);
        if (!probe.IsFileOpen()) {
            GTEST_SKIP() << "no full device here";
        }
    }
    CTextFileWrite writer(kFullDevice, TextEncoding::Utf8);
    writer << L"report";
    try {
        writer.CloseFile();
        FAIL() << "no exception";
    } catch (const CTextFileException& e) {
        EXPECT_EQ(e.errorCode, kDiskFull);
    }
    EXPECT_FALSE(writer.IsFileOpen());
    EXPECT_EQ(writer.LastWriteError(), kDiskFull);

    CTextFileWrite streaming(kFullDevice, TextEncoding::Ansi);
    EXPECT_THROW(streaming << std::string(3000, 'x'), CTextFileException);
    EXPECT_FALSE(streaming.IsFileOpen());
}

// The destructor cannot pass the failure on; the process must go on.
TEST_F(TextFileWriteTest, DestructorSwallowsAFailedWriteOut) {
    {
        CTextFileWrite probe(kFullDevice, TextEncoding::Ansi);
        if (!probe.IsFileOpen()) {
            GTEST_SKIP() << "no full device here";
        }
    }
    {
        CTextFileWrite writer(kFullDevice, TextEncoding::Utf8);
        writer << L"lost";
    }
    SUCCEED();
}

#ifdef _WIN32
TEST_F(TextFileWriteTest, NobodyElseOpensTheFileWhileItIsWritten) {
    CTextFileWrite writer(dir.PathOf(L"locked.txt"), TextEncoding::Ansi);
    ASSERT_TRUE(writer.IsFileOpen());
    CTextFileRead reader(dir.PathOf(L"locked.txt"));
    EXPECT_FALSE(reader.IsFileOpen());
}
#endif

} // namespace
} // namespace Velkora
