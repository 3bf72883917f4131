#include "card_list_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <string>

namespace Velkora {
namespace {

class CardListFileTest : public testing::Test {
  protected:
    void Write(const std::string& bytes) {
        std::ofstream out(kName, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    void TearDown() override { std::remove(kName); }

    static constexpr const char* kName = "card_list_file_test.txt";
    const std::wstring path = L"card_list_file_test.txt";
};

TEST_F(CardListFileTest, Utf8WithMarkAndCrLf) {
    Write("\xEF\xBB\xBF# header\r\ngtx 1080,388.13,20171110,GD\r\nquadro k600,385.69,20170920,CD\r\n");
    GraphicsAdapterInfo info;
    info.caption = L"NVIDIA GeForce GTX 1080";
    info.driverDate = 20171110;
    auto lines = OpenCardListFile(path);
    ASSERT_NE(lines, nullptr);
    EXPECT_EQ(ScanCardList(info, lines.get(), nullptr), (CardListMatch{L"GD", 388, 13}));
}

TEST_F(CardListFileTest, Utf16WithMarkAndLastLineWithoutEnd) {
    std::u16string text = u"\uFEFF#x\nfirepro,1.2,20170101,GL";
    std::string bytes;
    for (char16_t c : text)
        bytes += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    Write(bytes);
    GraphicsAdapterInfo info;
    info.caption = L"AMD FirePro W5100";
    auto lines = OpenCardListFile(path);
    ASSERT_NE(lines, nullptr);
    EXPECT_EQ(ScanCardList(info, lines.get(), nullptr), (CardListMatch{L"GL", 1, 2}));
}

TEST_F(CardListFileTest, MissingFileDoesNotOpen) {
    EXPECT_EQ(OpenCardListFile(L"no_such_card_list.txt"), nullptr);
}

// The list we ship: a comment header, and every other non-empty line a rule.
TEST(ShippedCardList, EveryLineIsACommentOrARule) {
    auto lines = OpenCardListFile(L"GraphicsCardGBList.sample.txt");
    ASSERT_NE(lines, nullptr);
    std::wstring line;
    std::map<std::wstring, int> codes;
    int comments = 0;
    while (lines->ReadLine(line) == ICardListLines::Read::kLine) {
        if (line.empty())
            continue;
        if (line[0] == L'#') {
            ++comments;
            continue;
        }
        CardListEntry entry;
        EXPECT_TRUE(ParseCardListLine(line, entry)) << testing::PrintToString(line);
        ++codes[entry.code];
    }
    EXPECT_GT(comments, 10);
    for (const wchar_t* code : {L"CD", L"GL", L"GD", L"NG"})
        EXPECT_GE(codes[code], 2) << code;
    EXPECT_EQ(codes.size(), 4u);

    GraphicsAdapterInfo info;
    info.caption = L"NVIDIA Quadro K600";
    lines = OpenCardListFile(L"GraphicsCardGBList.sample.txt");
    EXPECT_EQ(ScanCardList(info, lines.get(), nullptr), (CardListMatch{L"GL", 385, 69}));
}

} // namespace
} // namespace Velkora
