#include "text_file_read.h"

#include <algorithm>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "code_page_conversion.h"
#include "scratch_directory.h"

namespace Velkora {
namespace {

using namespace std::string_literals;

struct ReadCase {
    std::string name;
    std::string bytes;
    TextEncoding encoding;
    std::vector<std::wstring> lines;
};

std::ostream& operator<<(std::ostream& out, const ReadCase& c) {
    return out << c.name;
}

std::vector<std::wstring> ReadLines(CTextFileRead& reader) {
    std::vector<std::wstring> lines;
    std::wstring line;
    // Bounded: a reader that never ends must fail the test, not hang it.
    for (int i = 0; i < 100000 && reader.ReadTextLine(line); ++i)
        lines.push_back(line);
    return lines;
}

std::wstring Join(const std::vector<std::wstring>& lines, std::wstring_view separator) {
    std::wstring text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += separator;
        text += lines[i];
    }
    return text;
}

std::vector<ReadCase> ReadCases() {
    const std::string longLine(5000, 'x');
    const std::string blockOfA(1023, 'a');
    std::string utf16Block = "\xFF\xFE"s; // the mark and 510 letters, CR then starts at byte 1022
    for (int i = 0; i < 510; ++i)
        utf16Block += "a\0"s;
    std::string longUtf16 = "\xFF\xFE"s;
    for (int i = 0; i < 5000; ++i)
        longUtf16 += "\xE9\x00"s;
    return {
        {"CrLfBetweenTwoLines", "a\r\nb", TextEncoding::Ansi, {L"a", L"b"}},
        {"CrLfAtTheEndGivesAnEmptyLastLine", "a\r\n", TextEncoding::Ansi, {L"a", L""}},
        {"EmptyFileIsOneEmptyLine", "", TextEncoding::Ansi, {L""}},
        {"LfThenCrEndsTwoLines", "a\n\rb", TextEncoding::Ansi, {L"a", L"", L"b"}},
        {"LoneCrAndLoneLf", "a\rb\nc", TextEncoding::Ansi, {L"a", L"b", L"c"}},
        {"OneByte", "x", TextEncoding::Ansi, {L"x"}},
        {"NulIsAnOrdinaryByte", "a\0b"s, TextEncoding::Ansi, {L"a\0b"s}},
        {"AnsiInWindows1252", "\xE9\x80\x9F", TextEncoding::Ansi, {L"\u00E9\u20AC\u0178"}},
        {"Utf8MarkIsNotPartOfTheText",
         "\xEF\xBB\xBF"
         "a\xC3\xA9\r\nb",
         TextEncoding::Utf8,
         {L"a\u00E9", L"b"}},
        {"Utf8MarkOnly", "\xEF\xBB\xBF", TextEncoding::Utf8, {L""}},
        {"EfBbWithoutBfIsAnsi",
         "\xEF\xBB"
         "a",
         TextEncoding::Ansi,
         {L"\u00EF\u00BB"
          L"a"}},
        {"EfBbAlone", "\xEF\xBB", TextEncoding::Ansi, {L"\u00EF\u00BB"}},
        {"Utf16LittleEndianWithMark",
         "\xFF\xFE"
         "a\0\r\0\n\0b\0"s,
         TextEncoding::Utf16LittleEndian,
         {L"a", L"b"}},
        {"Utf16LittleEndianWithoutMarkIsAnsi",
         "a\0\r\0\n\0b\0"s,
         TextEncoding::Ansi,
         {L"a\0"s, L"\0"s, L"\0b\0"s}},
        {"Utf16BigEndian", "\xFE\xFF\0a\0\r\0\n\0b"s, TextEncoding::Utf16BigEndian, {L"a", L"b"}},
        {"Utf16HalfUnitAtTheEndIsDropped",
         "\xFF\xFE"
         "a\0b"s,
         TextEncoding::Utf16LittleEndian,
         {L"a"}},
        {"Utf16MarkOnly", "\xFE\xFF", TextEncoding::Utf16BigEndian, {L""}},
        {"Utf8FourByteSequenceIsFourReplacements",
         "\xEF\xBB\xBF\xF0\x9F\x98\x80",
         TextEncoding::Utf8,
         {L"\uFFFD\uFFFD\uFFFD\uFFFD"}},
        {"Utf8StrayContinuationByte",
         "\xEF\xBB\xBF\x80"
         "A",
         TextEncoding::Utf8,
         {L"\uFFFDA"}},
        {"Utf8SurrogatesAsThreeByteSequences",
         "\xEF\xBB\xBF\xED\xA0\xBD\xED\xB8\x80",
         TextEncoding::Utf8,
         {std::wstring{wchar_t(0xD83D), wchar_t(0xDE00)}}},
        {"Utf8SequenceCutByTheEnd",
         "\xEF\xBB\xBF"
         "a\xE2\x82",
         TextEncoding::Utf8,
         {L"a"}},
        {"LineOf5000Characters",
         longLine + "\r\nend",
         TextEncoding::Ansi,
         {std::wstring(5000, L'x'), L"end"}},
        {"Utf16LineOf5000Characters",
         longUtf16,
         TextEncoding::Utf16LittleEndian,
         {std::wstring(5000, L'\u00E9')}},
        {"CrLfSplitByTheBlockBoundary",
         blockOfA + "\r\nb",
         TextEncoding::Ansi,
         {std::wstring(1023, L'a'), L"b"}},
        {"Utf16CrLfSplitByTheBlockBoundary",
         utf16Block + "\r\0\n\0b\0"s,
         TextEncoding::Utf16LittleEndian,
         {std::wstring(510, L'a'), L"b"}},
        // The mark and 1020 or 1019 letters: the sequence's first bytes end the first block.
        {"Utf8TwoByteSequenceSplitByTheBlockBoundary",
         "\xEF\xBB\xBF" + std::string(1020, 'a') +
             "\xC3\xA9"
             "b",
         TextEncoding::Utf8,
         {std::wstring(1020, L'a') + L"\u00E9b"}},
        {"Utf8ThreeByteSequenceSplitByTheBlockBoundary",
         "\xEF\xBB\xBF" + std::string(1019, 'a') +
             "\xE2\x82\xAC"
             "b",
         TextEncoding::Utf8,
         {std::wstring(1019, L'a') + L"\u20ACb"}},
        // Continuation bytes are not checked, so an overlong CR still ends the line.
        {"Utf8OverlongCrEndsTheLine",
         "\xEF\xBB\xBF"
         "a\xC0\x8D"
         "b",
         TextEncoding::Utf8,
         {L"a", L"b"}},
    };
}

class ReadTextLineTest : public testing::TestWithParam<ReadCase> {
  protected:
    CScratchDirectory dir;
};

TEST_P(ReadTextLineTest, GivesTheLinesThenFalse) {
    const ReadCase& c = GetParam();
    CTextFileRead reader(dir.WriteBytes(L"case.txt", c.bytes));
    reader.SetConversionCodePage(kCodePageWindows1252);
    ASSERT_TRUE(reader.IsFileOpen());
    EXPECT_EQ(reader.GetFileEncoding(), c.encoding);
    EXPECT_FALSE(reader.AtEndOfFile());
    EXPECT_EQ(ReadLines(reader), c.lines);
    EXPECT_TRUE(reader.AtEndOfFile());
    std::wstring line = L"untouched";
    EXPECT_FALSE(reader.ReadTextLine(line));
}

TEST_P(ReadTextLineTest, ReadAllTextJoinsTheSameLines) {
    const ReadCase& c = GetParam();
    CTextFileRead reader(dir.WriteBytes(L"case.txt", c.bytes));
    reader.SetConversionCodePage(kCodePageWindows1252);
    std::wstring text = L"old";
    ASSERT_TRUE(reader.ReadAllText(text, L"|"));
    EXPECT_EQ(text, Join(c.lines, L"|"));
}

INSTANTIATE_TEST_SUITE_P(EdgeCases, ReadTextLineTest, testing::ValuesIn(ReadCases()),
                         [](const testing::TestParamInfo<ReadCase>& info) { return info.param.name; });

class TextFileReadTest : public testing::Test {
  protected:
    CScratchDirectory dir;
};

TEST_F(TextFileReadTest, FileThatDoesNotOpenIsAtItsEnd) {
    std::filesystem::create_directories(dir.Root() / "folder");
    for (const std::wstring& path : {dir.PathOf(L"missing.txt"), dir.PathOf(L"no-such-folder/missing.txt"),
                                     dir.PathOf(L"folder"), std::wstring(L"")}) {
        CTextFileRead reader(path);
        EXPECT_FALSE(reader.IsFileOpen());
        EXPECT_TRUE(reader.AtEndOfFile());
        std::wstring wide = L"kept";
        std::string narrow = "kept";
        EXPECT_FALSE(reader.ReadTextLine(wide));
        EXPECT_FALSE(reader.ReadTextLine(narrow));
        EXPECT_FALSE(reader.ReadAllText(wide, L"\r\n"));
        EXPECT_FALSE(reader.ReadAllText(narrow, "\r\n"));
        EXPECT_EQ(wide, L"kept");
        EXPECT_EQ(narrow, "kept");
    }
}

TEST_F(TextFileReadTest, ReadAllTextPutsTheSeparatorBetweenLines) {
    struct Row {
        std::string bytes;
        std::wstring expected;
    };
    for (const Row& row : {Row{"a\nb\n", L"a\r\nb\r\n"}, Row{"a\nb", L"a\r\nb"}, Row{"\n", L"\r\n"},
                           Row{"\xEF\xBB\xBF"
                               "a\r\nb\n",
                               L"a\r\nb\r\n"}}) {
        CTextFileRead wideReader(dir.WriteBytes(L"lf.txt", row.bytes));
        std::wstring wide;
        ASSERT_TRUE(wideReader.ReadAllText(wide, L"\r\n"));
        EXPECT_EQ(wide, row.expected);

        CTextFileRead narrowReader(dir.WriteBytes(L"lf.txt", row.bytes));
        std::string narrow;
        ASSERT_TRUE(narrowReader.ReadAllText(narrow, "\r\n"));
        EXPECT_EQ(narrow, std::string(row.expected.begin(), row.expected.end()));
    }
}

TEST_F(TextFileReadTest, ReadAllTextAfterTheLastLineIsEmpty) {
    CTextFileRead reader(dir.WriteBytes(L"two.txt", "a\nb"));
    std::wstring line;
    ASSERT_TRUE(reader.ReadTextLine(line));
    std::wstring rest;
    ASSERT_TRUE(reader.ReadAllText(rest, L"+"));
    EXPECT_EQ(rest, L"b");
    ASSERT_TRUE(reader.ReadAllText(rest, L"+"));
    EXPECT_EQ(rest, L"");
}

// The output is sized from the file: a file of a few bytes must not claim megabytes (a caller
// reading many small files, a card list or a licence, paid for a million units each time), and
// a text that outgrows the size (separators longer than the line ends) still comes out whole.
TEST_F(TextFileReadTest, ReadAllTextSizesItsOutputFromTheFile) {
    struct Row {
        const char* name;
        std::string bytes;
        std::wstring expected;
    };
    const std::string manyEnds(3000, '\n');
    std::wstring manySeparators;
    for (int i = 0; i < 3000; ++i)
        manySeparators += L"<sep>";
    for (const Row& row : {Row{"ansi", "ab\ncd", L"ab<sep>cd"},
                           Row{"utf8",
                               "\xEF\xBB\xBF"
                               "ab\ncd",
                               L"ab<sep>cd"},
                           Row{"utf16le",
                               std::string("\xFF\xFE"
                                           "a\0\n\0b\0",
                                           8),
                               L"a<sep>b"},
                           Row{"utf16be", std::string("\xFE\xFF\0a\0\n\0b", 8), L"a<sep>b"},
                           Row{"empty", "", L""}, Row{"line ends only", manyEnds, manySeparators}}) {
        SCOPED_TRACE(row.name);
        CTextFileRead wideReader(dir.WriteBytes(L"small.txt", row.bytes));
        std::wstring wide;
        ASSERT_TRUE(wideReader.ReadAllText(wide, L"<sep>"));
        EXPECT_EQ(wide, row.expected);
        EXPECT_LT(wide.capacity(), std::max<std::size_t>(4096, 2 * row.expected.size()));

        CTextFileRead narrowReader(dir.WriteBytes(L"small.txt", row.bytes));
        std::string narrow;
        ASSERT_TRUE(narrowReader.ReadAllText(narrow, "<sep>"));
        EXPECT_EQ(narrow, std::string(row.expected.begin(), row.expected.end()));
        EXPECT_LT(narrow.capacity(), std::max<std::size_t>(4096, 2 * row.expected.size()));
    }
}

// Larger than the staging block, with lines that fill it and a line longer than the block.
TEST_F(TextFileReadTest, ReadAllTextBeyondTheStagingBlock) {
    struct Row {
        const char* name;
        std::string mark;
        int unitBytes;
        bool bigEndian;
    };
    for (const Row& row : {Row{"ansi", "", 1, false}, Row{"utf8", "\xEF\xBB\xBF", 1, false},
                           Row{"utf16le", "\xFF\xFE", 2, false}, Row{"utf16be", "\xFE\xFF", 2, true}}) {
        SCOPED_TRACE(row.name);
        std::wstring expected;
        std::string bytes = row.mark;
        auto add = [&](const std::string& ascii) {
            for (char c : ascii) {
                if (row.unitBytes == 2 && row.bigEndian)
                    bytes += '\0';
                bytes += c;
                if (row.unitBytes == 2 && !row.bigEndian)
                    bytes += '\0';
            }
        };
        for (int i = 0; i < 120000; ++i) {
            std::string line = "line " + std::to_string(i);
            add(line + "\n");
            expected += std::wstring(line.begin(), line.end()) + L"\r\n";
        }
        const std::string longLine(1500000, 'q');
        add(longLine + "\n");
        expected += std::wstring(longLine.size(), L'q') + L"\r\n";
        add("tail");
        expected += L"tail";

        CTextFileRead reader(dir.WriteBytes(L"big.txt", bytes));
        std::wstring text;
        ASSERT_TRUE(reader.ReadAllText(text, L"\r\n"));
        EXPECT_TRUE(text == expected) << "lengths " << text.size() << " and " << expected.size();
    }
}

TEST_F(TextFileReadTest, NarrowLinesOfWideTextUseTheReplacementCharacter) {
    // a, euro sign, a CJK character, b: 1252 has the euro sign but not the CJK character.
    CTextFileRead reader(dir.WriteBytes(L"utf8.txt", "\xEF\xBB\xBF"
                                                     "a\xE2\x82\xAC\xE4\xB8\xAD"
                                                     "b\nplain\n"));
    reader.SetConversionCodePage(kCodePageWindows1252);
    reader.SetReplacementChar('#');
    EXPECT_FALSE(reader.ConversionLostData());
    std::string line;
    ASSERT_TRUE(reader.ReadTextLine(line));
    EXPECT_EQ(line, "a\x80#b");
    EXPECT_TRUE(reader.ConversionLostData());
    ASSERT_TRUE(reader.ReadTextLine(line));
    EXPECT_EQ(line, "plain");
    EXPECT_TRUE(reader.ConversionLostData()) << "stays set until cleared";
    reader.ClearConversionLost();
    EXPECT_FALSE(reader.ConversionLostData());
}

TEST_F(TextFileReadTest, DefaultReplacementIsTheQuestionMark) {
    CTextFileRead reader(dir.WriteBytes(L"utf16.txt", "\xFF\xFE\x2D\x4E"
                                                      "a\0"s));
    reader.SetConversionCodePage(kCodePageWindows1252);
    EXPECT_EQ(reader.GetFileEncoding(), TextEncoding::Utf16LittleEndian);
    std::string line;
    ASSERT_TRUE(reader.ReadTextLine(line));
    EXPECT_EQ(line, "?a");
    EXPECT_TRUE(reader.ConversionLostData());
}

TEST_F(TextFileReadTest, CodePageStartsAtTheSystemAnsiPage) {
    CTextFileRead reader(dir.WriteBytes(L"plain.txt", "abc"));
    EXPECT_EQ(reader.GetConversionCodePage(), kCodePageAnsi);
    std::wstring line;
    ASSERT_TRUE(reader.ReadTextLine(line));
    EXPECT_EQ(line, L"abc");
}

TEST_F(TextFileReadTest, LineThatCannotBeConvertedComesBackEmpty) {
    CTextFileRead reader(dir.WriteBytes(L"plain.txt", "abc\ndef"));
    reader.SetConversionCodePage(4242); // no such code page
    std::wstring line = L"old";
    ASSERT_TRUE(reader.ReadTextLine(line));
    EXPECT_EQ(line, L"");
    std::string narrow;
    ASSERT_TRUE(reader.ReadTextLine(narrow)) << "8-bit text read as 8-bit text needs no conversion";
    EXPECT_EQ(narrow, "def");
}

TEST_F(TextFileReadTest, ReadersShareTheFile) {
    const std::wstring path = dir.WriteBytes(L"shared.txt", "one\ntwo");
    CTextFileRead first(path);
    CTextFileRead second(path);
    ASSERT_TRUE(first.IsFileOpen());
    ASSERT_TRUE(second.IsFileOpen());
    std::wstring a, b;
    ASSERT_TRUE(first.ReadTextLine(a));
    ASSERT_TRUE(second.ReadTextLine(b));
    EXPECT_EQ(a, L"one");
    EXPECT_EQ(b, L"one");
}

TEST_F(TextFileReadTest, NonAsciiFileName) {
    {
        std::ofstream(dir.Root() / std::filesystem::path(u8"Lizenz_\u00E4\u20AC.txt"), std::ios::binary)
            << "inhalt";
    }
    CTextFileRead reader(dir.PathOf(L"Lizenz_\u00E4\u20AC.txt"));
    ASSERT_TRUE(reader.IsFileOpen());
    std::wstring line;
    ASSERT_TRUE(reader.ReadTextLine(line));
    EXPECT_EQ(line, L"inhalt");
}

// A file that opens but cannot be read: the reader closes it, stands at its end and throws
// the system's code. The process's own memory image at offset 0 refuses every read.
TEST_F(TextFileReadTest, ReadFailureThrowsTheSystemCode) {
#ifdef _WIN32
    const std::wstring path = L"Z:\\proc\\self\\mem";
#else
    const std::wstring path = L"/proc/self/mem";
#endif
    try {
        CTextFileRead reader(path);
        if (!reader.IsFileOpen()) {
            GTEST_SKIP() << "no process memory file here";
        }
        FAIL() << "reading did not fail";
    } catch (const CTextFileException& e) {
        EXPECT_NE(e.errorCode, 0u);
#ifndef _WIN32
        EXPECT_EQ(e.errorCode, static_cast<std::uint32_t>(EIO));
#endif
    }
}

} // namespace
} // namespace Velkora
