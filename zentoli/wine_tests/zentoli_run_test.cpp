// Zentoli.exe end to end under Wine: settings file, log file, log destinations, the adapter
// paths, Mesa told to report less, and a broken shader.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>

#include "adapter_platform_win32.h"
#include "file_contents_win32.h"
#include "hidden_window_win32.h"
#include "matched_adapter_patch_win32.h"
#include "scoped_handle_win32.h"
#include "zentoli_launch_win32.h"

namespace Zentoli {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        if (end > start)
            lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

const std::vector<std::string> kDefaultSettingsFile = {"[zentoli]",
                                                       "version=1",
                                                       "Allow Intel=1",
                                                       "Allow NVIDIA=1",
                                                       "Allow AMD=1",
                                                       "Allow multi GPU=0",
                                                       "Skip remote check=1",
                                                       "Req. driver date=20111219",
                                                       "GL4.2 NV driver date=20130529",
                                                       "GL4.2 AMD driver date=20140520",
                                                       "GL4.2 Intel driver date=20160331"};

// Without help, Wine's display device does not match WMI's adapter: the no-active-adapter path.
TEST(ZentoliUnmatched, FirstRunCreatesTheSettingsFileAndASecondKeepsWhatItFinds) {
    CZentoliFolder folder;
    ASSERT_TRUE(folder.IsValid());
    ZentoliRun first = folder.Run();
    ASSERT_TRUE(first.exitCode);
    EXPECT_EQ(Lines(VelkoraTest::ReadFileBytes(folder.Path() + L"Zentoli.ini").value_or("")),
              kDefaultSettingsFile);

    ASSERT_TRUE(
        VelkoraTest::WriteFileBytes(folder.Path() + L"Zentoli.ini",
                                    "[other]\r\nkeep=me\r\n[zentoli]\r\nversion=7\r\nAllow Intel=yes\r\n"));
    ZentoliRun second = folder.Run();
    ASSERT_TRUE(second.exitCode);
    EXPECT_TRUE(Contains(second.log, "\r\nversion = 7\r\nAllow Intel = yes\r\n")) << second.log;
    std::vector<std::string> expected = {"[other]", "keep=me"};
    expected.insert(expected.end(), kDefaultSettingsFile.begin(), kDefaultSettingsFile.end());
    expected[3] = "version=7";
    EXPECT_EQ(Lines(VelkoraTest::ReadFileBytes(folder.Path() + L"Zentoli.ini").value_or("")), expected);
}

// Zentoli.exe started this many times at once in its folder; true when every run ended in time.
bool RunAtOnce(const CZentoliFolder& folder, int runs) {
    std::vector<Velkora::CHandle> processes;
    for (int i = 0; i < runs; ++i) {
        std::wstring commandLine = L"\"" + folder.Path() + L"Zentoli.exe\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION started{};
        if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            folder.Path().c_str(), &startup, &started))
            return false;
        CloseHandle(started.hThread);
        processes.emplace_back(started.hProcess);
    }
    bool ended = true;
    for (const Velkora::CHandle& process : processes)
        ended = WaitForSingleObject(process.Get(), 120000) == WAIT_OBJECT_0 && ended;
    return ended;
}

// Runs started at once (many machines sharing the program's folder) write the settings file back
// each in one piece: no run's keys are lost to another's, and a complete file is left alone.
TEST(ZentoliUnmatched, RunsStartedAtOnceLeaveTheSettingsFileWhole) {
    CZentoliFolder folder;
    ASSERT_TRUE(folder.IsValid());
    ASSERT_TRUE(RunAtOnce(folder, 8));
    EXPECT_EQ(Lines(VelkoraTest::ReadFileBytes(folder.Path() + L"Zentoli.ini").value_or("")),
              kDefaultSettingsFile);

    const std::string tuned = "[zentoli]\r\nversion=7\r\nAllow Intel=0\r\nAllow NVIDIA=1\r\nAllow AMD=0\r\n"
                              "Allow multi GPU=1\r\nSkip remote check=0\r\nReq. driver date=20200101\r\n"
                              "GL4.2 NV driver date=20200102\r\nGL4.2 AMD driver date=20200103\r\n"
                              "GL4.2 Intel driver date=20200104\r\n";
    ASSERT_TRUE(VelkoraTest::WriteFileBytes(folder.Path() + L"Zentoli.ini", tuned));
    ASSERT_TRUE(RunAtOnce(folder, 8));
    EXPECT_EQ(VelkoraTest::ReadFileBytes(folder.Path() + L"Zentoli.ini").value_or(""), tuned);
}

TEST(ZentoliUnmatched, NoActiveAdapterEndsWithZeroAfterTheAdapterLine) {
    CZentoliFolder folder;
    ASSERT_TRUE(folder.IsValid());
    wchar_t computer[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD length = MAX_COMPUTERNAME_LENGTH + 1;
    ASSERT_TRUE(GetComputerNameW(computer, &length));
    SYSTEMTIME before{};
    GetLocalTime(&before);
    ZentoliRun run = folder.Run();
    ASSERT_TRUE(run.exitCode);
    EXPECT_EQ(*run.exitCode, 0u);
    EXPECT_EQ(run.output, "create file\r\n");
    std::wstring prefix = L"zentoli_" + std::wstring(computer, length) + L"_" +
                          std::to_wstring(before.wYear) + L"-" + std::to_wstring(before.wMonth) + L"-" +
                          std::to_wstring(before.wDay) + L"_";
    EXPECT_EQ(run.logName.substr(0, prefix.size()), prefix);
    EXPECT_EQ(run.logName.size(), prefix.size() + 8); // hhmm.txt
    std::vector<std::string> lines = Lines(run.log);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "OpenGL test application version: 3.3");
    EXPECT_EQ(lines.back(), "0 active video adapters were found.");
    EXPECT_TRUE(Contains(run.log, "\r\nAdapters test ...\r\n\r\n0 active video adapters were found.\r\n"));
}

// The first eight digits of the first video controller's DriverDate as WMI reports it.
std::string WmiDriverDate() {
    CWin32AdapterPlatform platform;
    std::vector<VideoControllerRecord> controllers;
    if (!platform.QueryVideoControllers(1, controllers) || controllers.empty() || !controllers[0].driverDate)
        return "<none>";
    const std::wstring date = controllers[0].driverDate->substr(0, 8);
    return std::string(date.begin(), date.end());
}

class ZentoliMatched : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        // Wine sets up its display devices again whenever its desktop process starts, which
        // undoes the patch; a window of ours keeps that process alive while the suite runs.
        desktopHolder = new CHiddenWindow;
        if (!desktopHolder->Create()) {
            ADD_FAILURE() << "no window to keep Wine's desktop process alive";
        }
        patch = new CMatchedAdapterPatch;
        std::wstring reason;
        applied = patch->Apply(L"31.0.15.1659", reason);
        if (!applied) {
            failure = std::string(reason.begin(), reason.end());
            return;
        }
        // Wine 8 takes the display device id from the patched HardwareID; Wine 10 ignores it.
        CZentoliFolder trial;
        const ZentoliRun run = trial.Run();
        if (!Contains(run.log, "1 active video adapters were found.")) {
            const std::wstring& pnp = patch->PnpDeviceId();
            doubleDeviceId = pnp.substr(0, pnp.find(L'\\', 4));
            std::printf(
                "Wine's display device does not take WMI's id from the registry: Zentoli runs in a copy "
                "of this test program with its primary display device as %ls\n",
                doubleDeviceId.c_str());
        }
    }
    static void TearDownTestSuite() {
        delete patch;
        patch = nullptr;
        delete desktopHolder;
        desktopHolder = nullptr;
    }
    void SetUp() override {
        ASSERT_TRUE(applied) << failure;
        ASSERT_TRUE(folder.IsValid());
        if (!doubleDeviceId.empty()) {
            ASSERT_TRUE(folder.RunInThisProgram(doubleDeviceId));
        }
    }

    static CHiddenWindow* desktopHolder;
    static CMatchedAdapterPatch* patch;
    static bool applied;
    static std::string failure;
    static std::wstring doubleDeviceId; // empty while Wine itself matches the display device
    CZentoliFolder folder;
};

CHiddenWindow* ZentoliMatched::desktopHolder = nullptr;
CMatchedAdapterPatch* ZentoliMatched::patch = nullptr;
bool ZentoliMatched::applied = false;
std::string ZentoliMatched::failure;
std::wstring ZentoliMatched::doubleDeviceId;

TEST_F(ZentoliMatched, NoArgumentsRunsThroughOpenGlToASupportedVerdict) {
    ZentoliRun run = folder.Run();
    ASSERT_TRUE(run.exitCode);
    // Mesa's vendor counts as AMD; Wine's fixed driver date is after the AMD OpenGL 4.2 minimum.
    EXPECT_EQ(*run.exitCode, 11u) << run.log;
    EXPECT_TRUE(Contains(run.log, "1 active video adapters were found.\r\ncaption: nvidia ")) << run.log;
    // The registry's DriverVersion replaced WMI's and was renumbered for the NVIDIA caption; the
    // date is WMI's (Wine 8 gives 20220118, Wine 10 20230420).
    EXPECT_TRUE(Contains(run.log, ") driver version: 516.59.0.0  date: " + WmiDriverDate() + "...\r\n"))
        << run.log;
    // Mesa 22 names itself "Mesa/X.org", later ones "Mesa".
    EXPECT_TRUE(Contains(run.log, "\r\nVendor : Mesa")) << run.log;
    EXPECT_TRUE(Contains(run.log, "\r\nSupported OpenGL extensions :\r\n-------------------------\r\n"));
    EXPECT_FALSE(Contains(run.log, "is not supported !")) << run.log;
    EXPECT_TRUE(Contains(
        run.log, "Compile shaders: Lines.vert Lines.frag\r\n"
                 "Compile shaders: HiddenEdges.vert HiddenEdges.frag\r\nShader is supported !!!\r\n"));
    EXPECT_TRUE(Contains(run.log, "*** The graphics card is supported ! ***\r\nreturn value: 11\r\n"))
        << run.log;
}

TEST_F(ZentoliMatched, OneArgumentSendsTheLogToNul) {
    CZentoliFolder work;
    // The trailing backslash is doubled so that it does not escape the closing quote.
    ZentoliRun run = folder.Run(L"\"" + folder.Path() + L"\\\"", work.Path());
    ASSERT_TRUE(run.exitCode);
    EXPECT_EQ(*run.exitCode, 11u);
    EXPECT_EQ(run.logName, L"");
    EXPECT_EQ(run.output, "");
}

TEST_F(ZentoliMatched, DirectoryAndMinusOneWriteTheLogAndReadShadersFromTheDirectory) {
    CZentoliFolder work;
    for (const wchar_t* name : {L"Lines.vert", L"Lines.frag", L"HiddenEdges.vert", L"HiddenEdges.frag"})
        ASSERT_TRUE(DeleteFileW((work.Path() + name).c_str()));
    ZentoliRun run = folder.Run(L"\"" + folder.Path() + L"xyz\" -1", work.Path());
    ASSERT_TRUE(run.exitCode);
    EXPECT_EQ(*run.exitCode, 11u) << run.log;
    std::string directory(folder.Path().begin(), folder.Path().end());
    EXPECT_TRUE(
        Contains(run.log, "Compile shaders: " + directory + "Lines.vert " + directory + "Lines.frag\r\n"))
        << run.log;
}

TEST_F(ZentoliMatched, BrokenShaderFailsTheRunWithTheCompilersMessage) {
    ASSERT_TRUE(VelkoraTest::WriteFileBytes(folder.Path() + L"HiddenEdges.frag",
                                            "#version 120\nvoid main() { gl_FragColor = 1; }\n"));
    ZentoliRun run = folder.Run();
    ASSERT_TRUE(run.exitCode);
    EXPECT_EQ(*run.exitCode, 0u);
    EXPECT_TRUE(
        Contains(run.log, "Compile shaders: HiddenEdges.vert HiddenEdges.frag\r\ncompiler error:\r\n0:"))
        << run.log;
    EXPECT_TRUE(Contains(run.log,
                         "\r\n\r\nShader is NOT supported !!!\r\n*** The graphics card is NOT supported ! ***"
                         "\r\nreturn value: 0\r\n"))
        << run.log;
}

// Mesa reads its overrides from the Unix environment, which a Windows parent cannot change for
// its child; ctest starts this program once more with each override set (see CMakeLists.txt).
struct MesaCase {
    const wchar_t* variable;
    const wchar_t* value;
    unsigned long exitCode;
    std::vector<std::string> lines; // each must be in the log
    std::vector<std::string> absent;
};

const MesaCase kMesaCases[] = {
    {L"MESA_GL_VERSION_OVERRIDE",
     L"2.1",
     0,
     {"\r\nVersion : 2.1",
      "\r\nOpenGL version 3.3 is required ! \r\n\r\n*** The graphics card is NOT supported"},
     {"Checking driver date", "Compile shaders"}},
    {L"MESA_GL_VERSION_OVERRIDE",
     L"4.1COMPAT",
     3,
     {"\r\nVersion : 4.1", "\r\nOpenGl version 3.3 is supported.\r\n", "Shader is supported !!!",
      "return value: 3\r\n"},
     {"date OK"}},
    {L"MESA_EXTENSION_OVERRIDE",
     L"-GL_ARB_shader_objects",
     0,
     {"\r\nOpenGL extension: GL_ARB_shader_objects is not supported !\r\n",
      "*** The graphics card is NOT supported ! ***\r\nreturn value: 0\r\n"},
     {"Compile shaders"}},
};

std::wstring Environment(const wchar_t* name) {
    wchar_t value[1024];
    DWORD length = GetEnvironmentVariableW(name, value, 1024);
    return length && length < 1024 ? std::wstring(value, length) : std::wstring();
}

TEST_F(ZentoliMatched, FollowsWhatMesaIsTold) {
    const MesaCase* found = nullptr;
    for (const MesaCase& c : kMesaCases)
        if (Environment(c.variable) == c.value)
            found = &c;
    if (!found) {
        GTEST_SKIP() << "no Mesa override of this table is set";
    }
    ZentoliRun run = folder.Run();
    ASSERT_TRUE(run.exitCode);
    EXPECT_EQ(*run.exitCode, found->exitCode) << run.log;
    for (const std::string& line : found->lines)
        EXPECT_TRUE(Contains(run.log, line)) << line << "\n" << run.log;
    for (const std::string& line : found->absent)
        EXPECT_FALSE(Contains(run.log, line)) << line << "\n" << run.log;
}

} // namespace
} // namespace Zentoli
