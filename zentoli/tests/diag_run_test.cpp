#include "diag_run.h"

#include <gtest/gtest.h>

#include "diag_run_cases.h"
#include "fake_diag_platform.h"
#include "log_text.h"

namespace Zentoli {
namespace {

class Runs : public testing::TestWithParam<RunCase> {};

TEST_P(Runs, GiveTheWholeLogAndExitCode) {
    const RunCase& c = GetParam();
    CFakeDiagPlatform machine;
    StandardMachine(machine);
    c.setup(machine);
    EXPECT_EQ(RunDiagnostics(machine), c.exitCode);
    EXPECT_EQ(machine.log.text, Crlf(c.log));
    // The log is closed before the settings are saved, and the settings are saved on every way out.
    EXPECT_TRUE(machine.closed);
    EXPECT_TRUE(machine.closedBeforeSave);
    EXPECT_EQ(machine.writtenAfterClose, "");
    ASSERT_NE(machine.profile.Find(L"zentoli"), nullptr);
    EXPECT_GE(machine.profile.Find(L"zentoli")->keys.size(), 10u);
    // Whatever happened, the context is not left current.
    EXPECT_FALSE(machine.gl.contextCurrent);
    EXPECT_EQ(machine.windowCreated, machine.windowDestroyed);
}

INSTANTIATE_TEST_SUITE_P(Table, Runs, testing::ValuesIn(DiagRunCases()),
                         [](const testing::TestParamInfo<RunCase>& info) { return info.param.name; });

TEST(Run, NoArgumentsLogToTheNamedFileAfterAnnouncingIt) {
    CFakeDiagPlatform m;
    StandardMachine(m);
    RunDiagnostics(m);
    EXPECT_EQ(m.console.text, "create file\r\n");
    EXPECT_EQ(m.redirectedTo, L"zentoli_WS01_2018-3-5_0907.txt");
    EXPECT_EQ(m.profile.lastPath, L"C:\\Velkora\\Zentoli.ini");
}

TEST(Run, OneArgumentSendsTheLogToNulAndReadsShadersFromThatDirectory) {
    CFakeDiagPlatform m;
    StandardMachine(m);
    m.arguments = {L"Zentoli.exe", L"C:\\shaders\\"};
    m.files = CFakeShaderFiles();
    m.files.AddValidSet(L"C:\\shaders\\");
    EXPECT_EQ(RunDiagnostics(m), 11);
    EXPECT_EQ(m.console.text, "");
    EXPECT_EQ(m.redirectedTo, L"nul");
    EXPECT_EQ(m.files.opened.front(), L"C:\\shaders\\Lines.vert");
}

TEST(Run, DirectoryAndMinusOneLogToTheFileAndCutTheDirectory) {
    CFakeDiagPlatform m;
    StandardMachine(m);
    m.arguments = {L"Zentoli.exe", L"C:\\shaders\\xyz", L"-1"};
    m.files = CFakeShaderFiles();
    m.files.AddValidSet(L"C:\\shaders\\");
    m.computerName.reset();
    EXPECT_EQ(RunDiagnostics(m), 11);
    EXPECT_EQ(m.redirectedTo, L"zentoli_unknown_2018-3-5_0907.txt");
    EXPECT_NE(m.log.text.find("Compile shaders: C:\\shaders\\Lines.vert C:\\shaders\\Lines.frag"),
              std::string::npos);
}

TEST(Run, ShortArgumentWithMinusOneUsesTheCurrentDirectory) {
    CFakeDiagPlatform m;
    StandardMachine(m);
    m.arguments = {L"Zentoli.exe", L"x", L"-1"};
    EXPECT_EQ(RunDiagnostics(m), 11);
    EXPECT_EQ(m.files.opened.front(), L"Lines.vert");
}

TEST(Run, OverlongDirectoryFailsTheShaderTestCleanly) {
    CFakeDiagPlatform m;
    StandardMachine(m);
    m.arguments = {L"Zentoli.exe", std::wstring(400, L'd'), L"-1"};
    EXPECT_EQ(RunDiagnostics(m), 0);
    EXPECT_TRUE(m.files.opened.empty());
    EXPECT_NE(m.log.text.find("was not found !!!"), std::string::npos);
    EXPECT_NE(m.log.text.find("\r\nShader is NOT supported !!!\r\n"), std::string::npos);
}

TEST(Run, SettingsAreNormalisedAndKeptAcrossRuns) {
    CFakeDiagPlatform m;
    StandardMachine(m);
    Setting(m, L"version", L"7");
    Setting(m, L"Allow Intel", L"yes");
    m.profile.sections.push_back({L"other", {{L"k", L"v"}}});
    RunDiagnostics(m);
    const auto& keys = m.profile.Find(L"zentoli")->keys;
    EXPECT_EQ(keys[0], (std::pair<std::wstring, std::wstring>{L"version", L"7"}));
    EXPECT_EQ(keys[1], (std::pair<std::wstring, std::wstring>{L"Allow Intel", L"1"}));
    EXPECT_EQ(m.profile.Find(L"other")->keys[0].second, L"v");
}

} // namespace
} // namespace Zentoli
