#include "diag_settings.h"

#include <gtest/gtest.h>

#include "fake_profile_store.h"
#include "log_text.h"
#include "string_log_sink.h"

namespace Zentoli {
namespace {

const char* const kDefaultLog = "Reading config file...\n"
                                "version = 1\n"
                                "Allow Intel = 1\n"
                                "Allow NVIDIA = 1\n"
                                "Allow AMD = 1\n"
                                "Allow multi GPU = 0\n"
                                "Skip remote check = 1\n"
                                "Req. driver date = 20111219\n"
                                "GL4.2 NV driver date = 20130529\n"
                                "GL4.2 AMD driver date = 20140520\n"
                                "GL4.2 Intel driver date = 20160331\n"
                                "\n";

struct Loaded {
    DiagSettings settings;
    std::string log;
};

Loaded Load(CFakeProfileStore& store) {
    CStringLogSink sink;
    CDiagLog log(sink);
    Loaded loaded;
    loaded.settings.iniPath = L"C:\\Velkora\\Zentoli.ini";
    LoadSettings(loaded.settings, store, log);
    loaded.log = sink.text;
    return loaded;
}

TEST(DiagSettings, RecordStartsEmptyBeforeLoading) {
    DiagSettings s;
    EXPECT_EQ(s.version, 1);
    EXPECT_FALSE(s.allowIntel || s.allowNvidia || s.allowAmd || s.allowMultiGpu || s.skipRemoteCheck);
    EXPECT_EQ(s.requiredDriverDate + s.nvGl42DriverDate + s.amdGl42DriverDate + s.intelGl42DriverDate, 0);
}

TEST(DiagSettings, NoFileLogsDefaultsAndFirstSaveWritesTenKeysInOrder) {
    CFakeProfileStore store;
    Loaded loaded = Load(store);
    EXPECT_EQ(loaded.log, Crlf(kDefaultLog));
    const DiagSettings& s = loaded.settings;
    EXPECT_TRUE(s.allowIntel && s.allowNvidia && s.allowAmd && s.skipRemoteCheck);
    EXPECT_FALSE(s.allowMultiGpu);
    EXPECT_EQ(s.requiredDriverDate, 20111219);
    EXPECT_EQ(s.intelGl42DriverDate, 20160331);

    SaveSettings(s, store);
    ASSERT_EQ(store.sections.size(), 1u);
    EXPECT_EQ(store.sections[0].name, L"zentoli");
    std::vector<std::pair<std::wstring, std::wstring>> expected = {{L"version", L"1"},
                                                                   {L"Allow Intel", L"1"},
                                                                   {L"Allow NVIDIA", L"1"},
                                                                   {L"Allow AMD", L"1"},
                                                                   {L"Allow multi GPU", L"0"},
                                                                   {L"Skip remote check", L"1"},
                                                                   {L"Req. driver date", L"20111219"},
                                                                   {L"GL4.2 NV driver date", L"20130529"},
                                                                   {L"GL4.2 AMD driver date", L"20140520"},
                                                                   {L"GL4.2 Intel driver date", L"20160331"}};
    EXPECT_EQ(store.sections[0].keys, expected);
    EXPECT_EQ(store.lastPath, L"C:\\Velkora\\Zentoli.ini");
}

struct ValueCase {
    const wchar_t* key;
    const wchar_t* text;
    const wchar_t* saved; // what the next save writes
};

class SettingsValue : public testing::TestWithParam<ValueCase> {};

TEST_P(SettingsValue, IsParsedAndWrittenBackCanonically) {
    const ValueCase& c = GetParam();
    CFakeProfileStore store;
    store.sections.push_back({L"ZENTOLI", {{c.key, c.text}}});
    Loaded loaded = Load(store);
    EXPECT_NE(loaded.log.find(NarrowForLog(std::wstring(c.key) + L" = " + c.text) + "\r\n"),
              std::string::npos);
    SaveSettings(loaded.settings, store);
    EXPECT_EQ(store.sections[0].keys[0].second, c.saved);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, SettingsValue,
    testing::Values(ValueCase{L"Allow NVIDIA", L"", L"1"}, ValueCase{L"Allow NVIDIA", L" 0", L"1"},
                    ValueCase{L"Allow Intel", L"no", L"1"}, ValueCase{L"Allow Intel", L"yes", L"1"},
                    ValueCase{L"Allow AMD", L"0", L"0"}, ValueCase{L"Allow AMD", L"0 but on", L"0"},
                    ValueCase{L"Allow multi GPU", L"1", L"1"}, ValueCase{L"Skip remote check", L"00", L"0"},
                    ValueCase{L"Req. driver date", L"-1", L"-1"},
                    ValueCase{L"Req. driver date", L"2011-12-19", L"2011"},
                    ValueCase{L"GL4.2 NV driver date", L"  +20130529x", L"20130529"},
                    ValueCase{L"GL4.2 AMD driver date", L"soon", L"0"},
                    ValueCase{L"GL4.2 Intel driver date", L"99999999999", L"2147483647"},
                    ValueCase{L"version", L"7", L"7"}));

TEST(DiagSettings, OtherSectionsAndKeysStayAsTheyWere) {
    CFakeProfileStore store;
    store.sections.push_back({L"other", {{L"colour", L"blue"}}});
    store.sections.push_back({L"zentoli", {{L"note", L"keep me"}, {L"version", L"7"}}});
    Loaded loaded = Load(store);
    SaveSettings(loaded.settings, store);
    SaveSettings(Load(store).settings, store);
    ASSERT_EQ(store.sections.size(), 2u);
    EXPECT_EQ(store.sections[0].keys,
              (std::vector<std::pair<std::wstring, std::wstring>>{{L"colour", L"blue"}}));
    EXPECT_EQ(store.sections[1].keys[0].second, L"keep me");
    EXPECT_EQ(store.sections[1].keys[1].second, L"7");
    EXPECT_EQ(store.sections[1].keys.size(), 11u);
}

TEST(DiagSettings, AValueLongerThanTheBufferIsCut) {
    CFakeProfileStore store;
    store.sections.push_back({L"zentoli", {{L"version", L"5" + std::wstring(3000, L'0')}}});
    Loaded loaded = Load(store);
    EXPECT_NE(loaded.log.find("version = 5" + std::string(1022, '0') + "\r\n"), std::string::npos);
    EXPECT_EQ(loaded.settings.version, 2147483647);
}

TEST(DiagSettings, WriteFailuresAreIgnored) {
    CFakeProfileStore store;
    store.readOnly = true;
    SaveSettings(Load(store).settings, store);
    EXPECT_EQ(store.writes, 1) << "all keys in one write";
    EXPECT_TRUE(store.sections.empty());
}

// Runs that find the file complete and canonical leave it alone, so that a run reading it never
// meets it half rewritten; one that cannot read the section whole does not write it either.
TEST(DiagSettings, ASectionThatWouldNotChangeIsNotWritten) {
    CFakeProfileStore store;
    SaveSettings(Load(store).settings, store);
    EXPECT_EQ(store.writes, 1) << "the first run creates the file";
    SaveSettings(Load(store).settings, store);
    EXPECT_EQ(store.writes, 1) << "a complete file stays as it is";

    store.sections[0].keys[1].second = L"yes";
    SaveSettings(Load(store).settings, store);
    EXPECT_EQ(store.writes, 2) << "a value not in canonical form is written back";
    EXPECT_EQ(store.sections[0].keys[1].second, L"1");

    CFakeProfileStore unreadable;
    unreadable.unreadable = true;
    SaveSettings(Load(unreadable).settings, unreadable);
    EXPECT_EQ(unreadable.writes, 0);
}

struct SectionCase {
    const char* name;
    std::vector<std::wstring> before;
    std::vector<std::wstring> after; // the first lines of the written section
    std::size_t size;                // of the whole written section
};

class SettingsSection : public testing::TestWithParam<SectionCase> {};

// Defaults loaded; the section as it would be written back.
TEST_P(SettingsSection, KeepsTheFilesLinesAndSetsOurs) {
    const SectionCase& c = GetParam();
    CFakeProfileStore empty;
    const std::vector<std::wstring> written = SettingsSectionWith(Load(empty).settings, c.before);
    ASSERT_GE(written.size(), c.after.size());
    EXPECT_EQ(std::vector<std::wstring>(written.begin(), written.begin() + c.after.size()), c.after);
    EXPECT_EQ(written.size(), c.size) << "each of our keys once, whatever its spelling";
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SettingsSection,
    testing::Values(
        SectionCase{"NoSection", {}, {L"version=1", L"Allow Intel=1", L"Allow NVIDIA=1", L"Allow AMD=1"}, 10},
        SectionCase{"TheFilesSpellingOfAKey", {L"ALLOW INTEL=yes"}, {L"ALLOW INTEL=1", L"version=1"}, 10},
        SectionCase{"BlanksAroundAKey", {L" version \t=7"}, {L"version=1", L"Allow Intel=1"}, 10},
        SectionCase{"UnknownLinesStayInPlace",
                    {L"note=keep me", L"no equals sign", L"=no key", L"version=1"},
                    {L"note=keep me", L"no equals sign", L"=no key", L"version=1", L"Allow Intel=1"},
                    13},
        SectionCase{"OnlyTheFirstOfTwoLinesForAKey",
                    {L"version=5", L"version=6"},
                    {L"version=1", L"version=6", L"Allow Intel=1"},
                    11}),
    [](const testing::TestParamInfo<SectionCase>& info) { return info.param.name; });

TEST(DiagSettings, PathIsTheProgramsWithItsExtensionReplaced) {
    EXPECT_EQ(SettingsPathFor(L"C:\\Velkora\\Zentoli.exe"), L"C:\\Velkora\\Zentoli.ini");
    EXPECT_EQ(SettingsPathFor(L"C:\\a.b\\Zentoli.x.exe"), L"C:\\a.b\\Zentoli.x.ini");
    EXPECT_EQ(SettingsPathFor(L"C:\\a.b\\Zentoli"), L"C:\\a.b\\Zentoli.ini");
    EXPECT_EQ(SettingsPathFor(L"Zentoli"), L"Zentoli.ini");
}

} // namespace
} // namespace Zentoli
