#include "card_list.h"

#include <gtest/gtest.h>

#include "graphics_fakes.h"

namespace Velkora {
namespace {

constexpr const wchar_t* kPnp = L"PCI\\VEN_10DE&DEV_1B80&SUBSYS_00000000&REV_A1\\4&1";

struct ScanCase {
    const char* name;
    const wchar_t* caption;
    std::uint32_t installedDate;
    std::vector<std::wstring> lines;
    CardListMatch expected;
    std::size_t linesRead; // 0: all of them
};

class ScanCardListTest : public testing::TestWithParam<ScanCase> {};

TEST_P(ScanCardListTest, DecidingEntry) {
    const ScanCase& c = GetParam();
    GraphicsAdapterInfo info;
    info.caption = c.caption;
    info.pnpDeviceId = kPnp;
    info.driverVersion = {388, 13, 0, 0};
    info.driverDate = c.installedDate;
    FakeCardListLines lines(c.lines);
    EXPECT_EQ(ScanCardList(info, &lines, nullptr), c.expected);
    EXPECT_EQ(lines.read, c.linesRead ? c.linesRead : c.lines.size());
}

const wchar_t* const kK600 = L"NVIDIA Quadro K600";
const wchar_t* const kGtx = L"NVIDIA GeForce GTX 1080";

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, ScanCardListTest,
    testing::Values(
        ScanCase{"HashInFirstColumnIsAComment", L"Adapter #1", 20171110, {L"#1,5.6,20170101,GL"}, {}, 0},
        ScanCase{
            "BlankBeforeHashIsAnEntry", L"Adapter #1", 20171110, {L" #1,5.6,20170101,GL"}, {L"GL", 5, 6}, 0},
        ScanCase{"BadDatesRejectTheLine",
                 kGtx,
                 20171110,
                 {L",1.0,2017-1-1,NG", L",1.0,201701,NG", L",1.0,20171301,NG", L",1.0,19991231,NG"},
                 {},
                 0},
        ScanCase{"FewerThanThreeCommasEmptyAndCommentLines",
                 kGtx,
                 20171110,
                 {L"", L",1.0,20170101", L"gtx 1080", L"# gtx 1080,1.0,20170101,NG"},
                 {},
                 0},
        ScanCase{"CodeWithBlankIsNotCD",
                 kGtx,
                 20171110,
                 {L",1.0,20170101,CD ", L",2.0,20170101,NG"},
                 {L"NG", 2, 0},
                 0},
        ScanCase{"LowerCaseCdIsNotCD",
                 kGtx,
                 20171110,
                 {L",1.0,20170101,cd", L",2.0,20170101,XY"},
                 {L"XY", 2, 0},
                 0},
        ScanCase{
            "CodeKeepsFurtherCommasAndBlanks", kGtx, 20171110, {L",1.0,20170101,CD ,x"}, {L"CD ,x", 1, 0}, 0},
        ScanCase{"LaterOfTwoMatchingEntriesDecides",
                 kGtx,
                 20171110,
                 {L"gtx 1080,1.1,20170101,GL", L"gtx 1070,9.9,20170101,NG", L"geforce,2.2,20170101,GD"},
                 {L"GD", 2, 2},
                 0},
        ScanCase{"MetCdEntryStopsTheScan",
                 kGtx,
                 20171110,
                 {L"gtx 1080,1.0,20170101,CD", L"gtx 1080,2.0,20170101,NG"},
                 {L"CD", 1, 0},
                 1},
        ScanCase{"CdEntryWithNewerDateIsReplacedByALaterEntry",
                 kGtx,
                 20171110,
                 {L"gtx 1080,1.0,20180101,CD", L"gtx 1080,2.0,20180101,NG"},
                 {L"NG", 2, 0},
                 0},
        ScanCase{"CdEntryWithNewerDateDecidesWhenLast",
                 kGtx,
                 20171110,
                 {L"gtx 1080,1.0,20180101,CD", L"gtx 1070,2.0,20170101,NG"},
                 {L"CD", 1, 0},
                 0},
        ScanCase{"CdEntryWithEqualDateIsMet",
                 kGtx,
                 20171110,
                 {L"gtx 1080,1.0,20171110,CD", L"gtx 1080,2.0,20170101,NG"},
                 {L"CD", 1, 0},
                 1},
        ScanCase{"InstalledDateZeroMeetsTheFirstCd",
                 kGtx,
                 0,
                 {L"gtx 1080,1.0,29991231,CD", L"gtx 1080,2.0,20170101,CD"},
                 {L"CD", 1, 0},
                 1},
        ScanCase{
            "EmptyNameCoversEveryAdapter", L"Anything", 20171110, {L"  ,3.4,20170101,GL"}, {L"GL", 3, 4}, 0},
        ScanCase{"NamePciCoversIdsContainingPci",
                 L"Anything",
                 20171110,
                 {L"pci,3.4,20170101,GL"},
                 {L"GL", 3, 4},
                 0},
        ScanCase{"PciNameIsAPieceOfTheDeviceId",
                 L"Anything",
                 20171110,
                 {L"PCI\\VEN_10DE&DEV_1B80,3.4,20170101,GL", L"pci\\ven_1002,5.6,20170101,NG"},
                 {L"GL", 3, 4},
                 0},
        ScanCase{"QuadroK600MatchesItself",
                 kK600,
                 20171110,
                 {L" Quadro   K600\t,3.4,20170101,GL"},
                 {L"GL", 3, 4},
                 0},
        ScanCase{"QuadroK600IsNotK6000",
                 L"NVIDIA Quadro K6000",
                 20171110,
                 {L"quadro k600,3.4,20170101,GL"},
                 {},
                 0},
        ScanCase{"QuadroK600IsNotK600m",
                 L"NVIDIA Quadro K600M",
                 20171110,
                 {L"quadro k600,3.4,20170101,GL"},
                 {},
                 0},
        ScanCase{"OnlyTheFirstOccurrenceOfAWordCounts",
                 L"Quadro K6000 K600",
                 20171110,
                 {L"k600,3.4,20170101,GL"},
                 {},
                 0},
        ScanCase{"WordMustStartACaptionWord", kGtx, 20171110, {L"force,3.4,20170101,GL"}, {}, 0},
        ScanCase{"Gtx1080CoversGtx1080Ti",
                 L"NVIDIA GeForce GTX 1080 Ti",
                 20171110,
                 {L"gtx 1080,3.4,20170101,GL"},
                 {L"GL", 3, 4},
                 0},
        ScanCase{"FireproCoversFirepros",
                 L"AMD FirePros",
                 20171110,
                 {L"firepro,3.4,20170101,GL"},
                 {L"GL", 3, 4},
                 0},
        ScanCase{"FireproCoversFireproW5100",
                 L"AMD FirePro W5100",
                 20171110,
                 {L"FirePro,3.4,20170101,GL"},
                 {L"GL", 3, 4},
                 0},
        ScanCase{"FourPartListVersionIsNotTimesTen",
                 kGtx,
                 20171110,
                 {L"gtx,23.21.13.8813,20170101,GD"},
                 {L"GD", 23, 21},
                 0},
        ScanCase{"BadVersionReadsAsFarAsItParses",
                 kGtx,
                 20171110,
                 {L"gtx,abc,20170101,GD", L"gtx,7x,20170101,NG"},
                 {L"NG", 7, 0},
                 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScanCardList, NoFileOrAFailedReadGivesNoEntry) {
    GraphicsAdapterInfo info;
    info.caption = kGtx;
    EXPECT_EQ(ScanCardList(info, nullptr, nullptr), CardListMatch{});
    FakeCardListLines failing({L",1.0,20170101,GL"}, true);
    EXPECT_EQ(ScanCardList(info, &failing, nullptr), CardListMatch{});
}

// The scan ends at a met "CD" entry, so a read that would fail after it is never made (the input
// with which the card list fuzz target first stopped).
TEST(ScanCardList, AMetCdEntryDecidesBeforeALaterReadFailure) {
    GraphicsAdapterInfo info;
    info.caption = L"Quadro K600";
    info.driverVersion = {341, 92, 0, 0};
    info.driverDate = 20141010;
    FakeCardListLines failing({L"quadro k600,341.92,20141010,CD"}, true);
    EXPECT_EQ(ScanCardList(info, &failing, nullptr), (CardListMatch{L"CD", 341, 92}));
    info.driverDate = 20141009; // not met: the scan reads on and meets the failure
    FakeCardListLines failingAgain({L"quadro k600,341.92,20141010,CD"}, true);
    EXPECT_EQ(ScanCardList(info, &failingAgain, nullptr), CardListMatch{});
}

TEST(ParseCardListLine, Fields) {
    CardListEntry e;
    ASSERT_TRUE(ParseCardListLine(L" Quadro K600 ,388.13,20171110,CD", e));
    EXPECT_EQ(e.name, L" Quadro K600 ");
    EXPECT_EQ(e.version, (DriverVersionParts{388, 13, 0, 0}));
    EXPECT_EQ(e.date, 20171110u);
    EXPECT_EQ(e.code, L"CD");
    ASSERT_TRUE(ParseCardListLine(L",,20171110,", e));
    EXPECT_EQ(e.name, L"");
    EXPECT_EQ(e.version, DriverVersionParts{});
    EXPECT_EQ(e.code, L"");
    EXPECT_FALSE(ParseCardListLine(L"a,b,", e));
    EXPECT_FALSE(ParseCardListLine(L"a,1.0,20171110", e));
    EXPECT_FALSE(ParseCardListLine(L"a,1.0,2017111,CD", e));
}

TEST(MatchCardListEntry, FlagsCompareInstalledWithListed) {
    struct {
        DriverVersionParts installed;
        std::uint32_t installedDate;
        const wchar_t* line;
        bool versionNotOlder, dateNotOlder;
    } cases[] = {
        {{388, 13, 0, 0}, 20171110, L",388.13,20171110,GL", true, true},
        {{388, 12, 9, 9}, 20171109, L",388.13,20171110,GL", false, false},
        {{389, 0, 0, 0}, 0, L",388.13,29991231,GL", true, true},
        {{23, 21, 13, 8812}, 20180101, L",23.21.13.8813,20171110,GL", false, true},
    };
    for (const auto& c : cases) {
        GraphicsAdapterInfo info;
        info.caption = L"x";
        info.driverVersion = c.installed;
        info.driverDate = c.installedDate;
        CardListEntry entry;
        bool versionNotOlder = !c.versionNotOlder, dateNotOlder = !c.dateNotOlder;
        EXPECT_EQ(MatchCardListEntry(info, c.line, entry, versionNotOlder, dateNotOlder), 1) << c.line;
        EXPECT_EQ(versionNotOlder, c.versionNotOlder) << c.line;
        EXPECT_EQ(dateNotOlder, c.dateNotOlder) << c.line;
    }
    GraphicsAdapterInfo info;
    info.caption = L"x";
    CardListEntry entry;
    bool v = false, d = false;
    EXPECT_EQ(MatchCardListEntry(info, L"y,1,20170101,GL", entry, v, d), -2);
    EXPECT_EQ(MatchCardListEntry(info, L"x,1,2017,GL", entry, v, d), -1);
}

TEST(CardListComparisonTrace, PartByPart) {
    struct {
        DriverVersionParts installed, listed;
        const wchar_t* trace;
    } cases[] = {
        {{389, 0, 0, 0}, {388, 13, 0, 0}, L"GC:iv1<v1|"},
        {{387, 0, 0, 0}, {388, 13, 0, 0}, L"GC:"},
        {{388, 14, 0, 0}, {388, 13, 0, 0}, L"GC:iv1==v1-iv2<v2|"},
        {{388, 12, 0, 0}, {388, 13, 0, 0}, L"GC:iv1==v1-"},
        {{1, 2, 4, 0}, {1, 2, 3, 9}, L"GC:iv1==v1-iv2==v2-iv3<v3|"},
        {{1, 2, 3, 9}, {1, 2, 3, 9}, L"GC:iv1==v1-iv2==v2-iv3==v3-iv4<=v4|"},
        {{1, 2, 3, 8}, {1, 2, 3, 9}, L"GC:iv1==v1-iv2==v2-iv3==v3-"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CardListComparisonTrace(c.installed, c.listed), c.trace);
}

TEST(ScanCardList, VerboseBoxesForEveryMatchingEntryAndTheCdLine) {
    GraphicsAdapterInfo info;
    info.caption = kGtx;
    info.driverVersion = {388, 13, 0, 0};
    info.driverDate = 20171110;
    FakeCardListLines lines({L"gtx 1070,1.0,20170101,NG", L"gtx 1080,388.13,20170101,GL",
                             L"gtx 1080,390.1.2.3,20180101,CD", L"# comment"});
    FakeMessageBoxes boxes;
    ScanCardList(info, &lines, &boxes);
    std::vector<ShownBox> expected = {
        {L"388-13-0-0 388-13-0-0\nOk-Version:1 Dp:GC:iv1==v1-iv2==v2-iv3==v3-iv4<=v4|\nOk-Date:1 "
         L"Adapder:20171110 "
         L"Gc:20170101",
         L"Die Version", true},
        {L"GC:iv1==v1-iv2==v2-iv3==v3-iv4<=v4|", L"Der Vergleich", false},
        {L"390-1-2-3 388-13-0-0\nOk-Version:0 Dp:GC:\nOk-Date:0 Adapder:20171110 Gc:20180101", L"Die Version",
         true},
        {L"GC:", L"Der Vergleich", false},
        {L"gtx 1080,390.1.2.3,20180101,CD", L"Eintrag in Liste", false},
    };
    EXPECT_EQ(boxes.shown, expected);
}

} // namespace
} // namespace Velkora
