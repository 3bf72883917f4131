#include "code_page_conversion.h"

#include <gtest/gtest.h>

#include <string>

#include "portable_code_pages.h"

namespace Velkora {
namespace {

using namespace std::string_literals;

struct DecodeRow {
    std::uint32_t codePage;
    std::string bytes;
    std::wstring text;
};

TEST(PortableCodePages, Decode) {
    for (const DecodeRow& row : {
             DecodeRow{1252, "A\x80\x81\x8D\x9F\xA0\xE9\xFF", L"A\u20AC\u0081\u008D\u0178\u00A0\u00E9\u00FF"},
             DecodeRow{0, "\x80", L"\u20AC"},
             DecodeRow{3, "\x80", L"\u20AC"},
             DecodeRow{65001, "a\xC3\xA9\xE2\x82\xAC", L"a\u00E9\u20AC"},
             DecodeRow{65001, "\xF0\x9F\x98\x80", {wchar_t(0xD83D), wchar_t(0xDE00)}},
             // Invalid sequences: one U+FFFD for each.
             DecodeRow{65001, "\xC0\x80", L"\uFFFD\uFFFD"},
             DecodeRow{65001, "\xED\xA0\x80", L"\uFFFD\uFFFD\uFFFD"},
             DecodeRow{65001,
                       "\xE2\x82"
                       "a",
                       L"\uFFFDa"},
             DecodeRow{65001, "\xFF", L"\uFFFD"},
             DecodeRow{65001, "\0"s, L"\0"s},
         }) {
        std::wstring out = L"old";
        ASSERT_TRUE(PortableMultiByteToWide(row.codePage, row.bytes, out)) << row.codePage;
        EXPECT_EQ(out, row.text) << row.codePage << " " << row.bytes;
    }
}

struct EncodeRow {
    std::uint32_t codePage;
    std::wstring text;
    char replacement;
    std::string bytes;
    bool replaced;
};

TEST(PortableCodePages, Encode) {
    const std::wstring pair{wchar_t(0xD83D), wchar_t(0xDE00)};
    for (const EncodeRow& row : {
             EncodeRow{1252, L"A\u20AC\u0178\u00E9\u0081", 0, "A\x80\x9F\xE9\x81", false},
             EncodeRow{1252, L"a\u4E2Db", 0, "a?b", true},
             EncodeRow{1252, L"a\u4E2Db", '*', "a*b", true},
             EncodeRow{1252, pair, 0, "??", true},
             EncodeRow{65001, L"\u00E9" + pair, 0, "\xC3\xA9\xF0\x9F\x98\x80", false},
             // A lone surrogate cannot be encoded; UTF-8 has no replacement character of ours.
             EncodeRow{65001,
                       {wchar_t(0xD800), L'a'},
                       '*',
                       "\xEF\xBF\xBD"
                       "a",
                       false},
         }) {
        std::string out = "old";
        bool replaced = false;
        ASSERT_TRUE(PortableWideToMultiByte(row.codePage, row.text, row.replacement, out, replaced));
        EXPECT_EQ(out, row.bytes) << row.codePage;
        EXPECT_EQ(replaced, row.replaced) << row.codePage;
    }
}

TEST(PortableCodePages, EveryWindows1252ByteSurvivesARoundTrip) {
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        std::wstring wide;
        std::string back;
        bool replaced = false;
        ASSERT_TRUE(PortableMultiByteToWide(1252, byte, wide));
        ASSERT_TRUE(PortableWideToMultiByte(1252, wide, 0, back, replaced));
        EXPECT_EQ(back, byte) << b;
        EXPECT_FALSE(replaced) << b;
    }
}

TEST(PortableCodePages, UnknownCodePageFails) {
    std::wstring wide = L"old";
    std::string narrow = "old";
    bool replaced = false;
    EXPECT_FALSE(PortableMultiByteToWide(4242, "a", wide));
    EXPECT_FALSE(PortableWideToMultiByte(4242, L"a", 0, narrow, replaced));
    EXPECT_EQ(wide, L"");
    EXPECT_EQ(narrow, "");
}

TEST(CodePageConversion, EmptyTextConvertsToEmptyText) {
    std::wstring wide = L"old";
    std::string narrow = "old";
    bool replaced = false;
    EXPECT_TRUE(MultiByteToWide(1252, "", wide));
    EXPECT_TRUE(WideToMultiByte(1252, L"", 0, narrow, replaced));
    EXPECT_EQ(wide, L"");
    EXPECT_EQ(narrow, "");
    EXPECT_FALSE(MultiByteToWide(4242, "a", wide));
}

// The system's conversion (MultiByteToWideChar on Windows) and the portable tables agree on
// every byte of 1252 and on every character the tables know. Where the tables know none, the
// system may still find a look-alike ("best fit"), which the tables leave out.
TEST(CodePageConversion, SystemAgreesWithThePortableTables) {
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        std::wstring system, portable;
        ASSERT_TRUE(MultiByteToWide(1252, byte, system));
        ASSERT_TRUE(PortableMultiByteToWide(1252, byte, portable));
        EXPECT_EQ(system, portable) << b;
    }
    int bestFit = 0;
    for (unsigned c = 1; c < 0x10000; ++c) {
        const std::wstring unit(1, static_cast<wchar_t>(c));
        std::string system, portable;
        bool systemReplaced = false, portableReplaced = false;
        ASSERT_TRUE(WideToMultiByte(1252, unit, '\x01', system, systemReplaced));
        ASSERT_TRUE(PortableWideToMultiByte(1252, unit, '\x01', portable, portableReplaced));
        if (!portableReplaced) {
            EXPECT_EQ(system, portable) << c;
            EXPECT_FALSE(systemReplaced) << c;
        } else if (!systemReplaced) {
            ++bestFit;
        }
    }
    std::printf("1252 look-alikes the portable tables leave out: %d\n", bestFit);
    const std::string utf8 = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xEF\xBB\xBF";
    std::wstring system, portable;
    ASSERT_TRUE(MultiByteToWide(65001, utf8, system));
    ASSERT_TRUE(PortableMultiByteToWide(65001, utf8, portable));
    EXPECT_EQ(system, portable);
    std::string systemBack, portableBack;
    bool replaced = false;
    ASSERT_TRUE(WideToMultiByte(65001, system, 0, systemBack, replaced));
    ASSERT_TRUE(PortableWideToMultiByte(65001, portable, 0, portableBack, replaced));
    EXPECT_EQ(systemBack, utf8);
    EXPECT_EQ(portableBack, utf8);
}

} // namespace
} // namespace Velkora
