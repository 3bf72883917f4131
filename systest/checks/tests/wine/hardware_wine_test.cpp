// The operating system identification and the hardware checks for real, under Wine: the
// exported function called from another program for several Windows versions, its failure
// paths, and the five checks on Wine's own facts.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

#include "file_contents_win32.h"
#include "hardware_checks.h"
#include "hardware_checks_win32.h"
#include "hardware_facts_win32.h"
#include "resource_modules_win32.h"
#include "scoped_handle_win32.h"
#include "temp_folder_win32.h"

namespace {

using Lines = std::map<std::string, std::string>;

const std::wstring kClient = VelkoraTest::WinePathOf(VELKORA_OS_CLIENT);
const std::wstring kProgram = VelkoraTest::WinePathOf(VELKORA_PROGRAM);
const std::wstring kProbe = VelkoraTest::WinePathOf(VELKORA_PROBE);
const std::wstring kLanguageModule = VelkoraTest::WinePathOf(VELKORA_LANGUAGE_MODULE);

struct RunOutput {
    std::string output;
    Lines lines;
    std::string errors;
    DWORD exitCode = 0xFFFF;
};

Lines ParseLines(const std::string& output) {
    Lines lines;
    std::size_t at = 0;
    while (at < output.size()) {
        std::size_t end = output.find('\n', at);
        if (end == std::string::npos)
            end = output.size();
        std::string line = output.substr(at, end - at);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::size_t eq = line.find('=');
        if (eq != std::string::npos)
            lines[line.substr(0, eq)] = line.substr(eq + 1);
        at = end + 1;
    }
    return lines;
}

Velkora::CFile CreateInheritableFile(const std::wstring& path) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return Velkora::CFile(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      &inherit, CREATE_ALWAYS, 0, nullptr));
}

// Runs a program with its output going to files rather than pipes: winecfg and anything that
// touches the desktop may start Wine's desktop process, which inherits the handles and would
// hold a pipe open for ever.
RunOutput RunProgram(const std::wstring& commandLine) {
    RunOutput out;
    VelkoraTest::CTempFolder folder(L"velkora-hw");
    EXPECT_TRUE(folder.IsValid());
    const std::wstring outPath = folder.Path() + L"out.txt", errPath = folder.Path() + L"err.txt";
    Velkora::CFile outFile = CreateInheritableFile(outPath), errFile = CreateInheritableFile(errPath);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = outFile.Get();
    startup.hStdError = errFile.Get();
    PROCESS_INFORMATION info{};
    std::wstring line = commandLine;
    const BOOL started =
        CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info);
    outFile.Reset();
    errFile.Reset();
    EXPECT_TRUE(started) << "cannot start the program";
    if (!started)
        return out;
    Velkora::CHandle process(info.hProcess), thread(info.hThread);
    if (WaitForSingleObject(process.Get(), 60000) != WAIT_OBJECT_0) {
        ADD_FAILURE() << "did not end in time";
        TerminateProcess(process.Get(), 1);
        WaitForSingleObject(process.Get(), 5000);
    }
    GetExitCodeProcess(process.Get(), &out.exitCode);
    out.output = VelkoraTest::ReadFileBytes(outPath).value_or("");
    out.lines = ParseLines(out.output);
    out.errors = VelkoraTest::ReadFileBytes(errPath).value_or("");
    return out;
}

// The version Wine reports now, as winecfg names it.
std::string WineVersion() {
    std::string version = RunProgram(L"winecfg.exe /v").output;
    while (!version.empty() && (version.back() == '\n' || version.back() == '\r' || version.back() == ' ')) {
        version.pop_back();
    }
    return version;
}

void SetWineVersion(const std::string& version) {
    RunOutput out = RunProgram(L"winecfg.exe /v " + std::wstring(version.begin(), version.end()));
    ASSERT_EQ(out.exitCode, 0u) << "winecfg /v " << version;
}

std::wstring Quoted(const std::wstring& path) {
    return L"\"" + path + L"\"";
}

// Switches the Windows version Wine reports; the one found at the start is restored at the end.
class WineVersions : public testing::Test {
  protected:
    static void SetUpTestSuite() { original = WineVersion(); }
    static void TearDownTestSuite() {
        if (!original.empty())
            SetWineVersion(original);
    }
    static std::string original;
};
std::string WineVersions::original;

struct VersionCase {
    const char* wineVersion;
    const char* versionFunctions; // GetVersionExW under the program's manifest
    const char* name;
    const char* code;
};

class OSDisplayStringUnderWine : public WineVersions, public testing::WithParamInterface<VersionCase> {};

// Wine's Windows 10 carries the build of its own release (18362 in Wine 8, 19043 in Wine 10):
// "{build}" in an expected name is the build WMI reports.
std::string WithBuild(std::string name, const std::string& wmiVersion) {
    const std::size_t at = name.find("{build}");
    if (at != std::string::npos)
        name.replace(at, 7, wmiVersion.substr(wmiVersion.rfind('.') + 1));
    return name;
}

// Another program loads ours and calls the export twice: the name and code follow the rules for
// what Wine's WMI reports (see the probe's lines in the log), and only the first call asks WMI.
TEST_P(OSDisplayStringUnderWine, ClientGetsNameAndCodeAndTheSecondCallAsksNothing) {
    const VersionCase& c = GetParam();
    SetWineVersion(c.wineVersion);
    RunOutput probe = RunProgram(Quoted(kProbe) + L" " + Quoted(kLanguageModule));
    for (const char* key : {"wmi.version", "wmi.caption", "wmi.csdversion", "wmi.servicepack",
                            "wmi.producttype", "wmi.suitemask", "edition", "check.os"}) {
        std::printf("  %s %s=%s\n", c.wineVersion, key, probe.lines[key].c_str());
    }

    const std::string name = WithBuild(c.name, probe.lines["wmi.version"]);
    if (name != c.name) {
        EXPECT_EQ(probe.lines["wmi.version"].rfind("10.0.", 0), 0u) << probe.lines["wmi.version"];
    }

    RunOutput client = RunProgram(Quoted(kClient) + L" " + Quoted(kProgram));
    ASSERT_EQ(client.exitCode, 0u) << client.errors;
    Lines& l = client.lines;
    EXPECT_EQ(l["manifest"], "ok");
    EXPECT_EQ(l["getversionex"], c.versionFunctions);
    for (const char* call : {"call1", "call2"}) {
        const std::string key = call;
        EXPECT_EQ(l[key], "1") << key;
        EXPECT_EQ(l[key + ".name"], name) << key;
        EXPECT_EQ(l[key + ".code"], c.code) << key;
        // One query: one worker thread, one COM start-up, one WMI locator, all during the first call.
        EXPECT_EQ(l[key + ".createthread"], "1") << key;
        EXPECT_EQ(l[key + ".coinitialize"], "1") << key;
        EXPECT_EQ(l[key + ".cocreateinstance"], "1") << key;
    }
    EXPECT_EQ(client.errors, "");
    // The program's own check of the same machine agrees with what the client got.
    EXPECT_EQ(probe.lines["display.name"], name);
    EXPECT_EQ(probe.lines["display.code"], c.code);
}

INSTANTIATE_TEST_SUITE_P(
    Versions, OSDisplayStringUnderWine,
    testing::Values(
        VersionCase{"win7", "6.1.7601", "Microsoft Windows 7  Service Pack 1 (build 7601), 64-bit", "+1"},
        VersionCase{"win8", "6.2.9200", "Microsoft Windows 8    (build 9200), 64-bit", "8:"},
        VersionCase{"win81", "6.3.9600", "Microsoft Windows 8.1 (build 9600), 64-bit", "+"},
        // WMI tells the true version; the version functions stop at the manifest's Windows 8.1.
        VersionCase{"win10", "6.3.9600", "Microsoft Windows 10 Pro (build {build}), 64-bit", "+"},
        VersionCase{"vista", "6.0.6002", "Microsoft Windows Vista  Service Pack 2 (build 6002), 64-bit", "D"},
        // Wine's WMI says ProductType 1 for its server versions, so they are named as workstations.
        VersionCase{"win2008r2", "6.1.7601",
                    "Microsoft Windows 7 Standard Edition Service Pack 1 (build 7601), 64-bit", "+1"},
        VersionCase{"winxp64", "5.2.3790",
                    "Microsoft Windows XP Professional x64 Edition Service Pack 2 (build 3790)", "D"}),
    [](const testing::TestParamInfo<VersionCase>& info) { return std::string(info.param.wineVersion); });

struct FailureCase {
    const char* failOnce;
    const char* errorLine;
    const char* callsAfterSecond; // createthread/coinitialize/cocreateinstance after the second call
};

class OSQueryFailureUnderWine : public WineVersions, public testing::WithParamInterface<FailureCase> {};

// A failed first query writes one line to standard error, leaves the buffers alone and is not
// cached: the second call queries again and succeeds.
TEST_P(OSQueryFailureUnderWine, FailureIsReportedAndNotCached) {
    const FailureCase& c = GetParam();
    SetWineVersion("win7");
    RunOutput client = RunProgram(Quoted(kClient) + L" " + Quoted(kProgram) + L" --fail " +
                                  std::wstring(c.failOnce, c.failOnce + std::strlen(c.failOnce)));
    ASSERT_EQ(client.exitCode, 0u);
    Lines& l = client.lines;
    EXPECT_EQ(l["call1"], "0");
    EXPECT_EQ(l["call1.buffers"], "untouched");
    EXPECT_EQ(client.errors, std::string(c.errorLine) + "\r\n");
    EXPECT_EQ(l["call2"], "1");
    EXPECT_EQ(l["call2.code"], "+1");
    EXPECT_EQ(l["call2.createthread"] + "/" + l["call2.coinitialize"] + "/" + l["call2.cocreateinstance"],
              c.callsAfterSecond);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, OSQueryFailureUnderWine,
    testing::Values(
        FailureCase{"CoInitializeEx",
                    "GetWindowsVersionFromWMI: Failed to initialize COM. Err code = 0x80010106", "2/2/1"},
        FailureCase{"CoCreateInstance",
                    "GetWindowsVersionFromWMI: Failed to create IWbemLocator object. Err code = 0x80040154",
                    "2/2/2"},
        FailureCase{"CreateThread", "QueryOSVersionInfo: Could not start the worker thread. Error code = 0x8",
                    "2/1/1"}),
    [](const testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.failOnce); });

// The English texts, as the program shows them.
class EnglishTexts {
  public:
    EnglishTexts()
        : module(LoadLibraryExW(kLanguageModule.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)),
          modules(module.Get()) {}
    EnglishTexts(const EnglishTexts&) = delete;
    EnglishTexts& operator=(const EnglishTexts&) = delete;
    bool Loaded() const { return static_cast<bool>(module); }
    const Velkora::ITextSource& Source() const { return texts; }

  private:
    Velkora::CModule module;
    Velkora::CResourceModules modules;
    Velkora::CModuleTextSource texts{modules};
};

void Show(const char* check, const Velkora::CheckResult& result) {
    std::printf("  %s: severity %d, \"%s\"\n", check, result.severity,
                VelkoraTest::Utf8Of(result.text).c_str());
}

// The five checks on Wine's facts: each gives the verdict its rules give for the facts read a
// moment before (Xvfb's screen, the host's processor, memory and file systems).
TEST_F(WineVersions, FiveChecksJudgeWinesFacts) {
    SetWineVersion("win7");
    EnglishTexts english;
    ASSERT_TRUE(english.Loaded());
    const Velkora::ITextSource& texts = english.Source();

    Velkora::CheckResult os, processor, memory, disk, screen;
    Velkora::CheckOperatingSystem(texts, os);
    Velkora::CheckProcessor(texts, processor);
    Velkora::CheckMemory(texts, memory);
    Velkora::CheckDiskSpace(texts, disk);
    Velkora::CheckScreen(texts, screen);
    for (auto [name, result] : {std::pair{"operating system", &os},
                                {"processor", &processor},
                                {"memory", &memory},
                                {"disk", &disk},
                                {"screen", &screen}}) {
        Show(name, *result);
    }

    // Windows 7 SP1 on x64 is supported.
    EXPECT_EQ(os.severity, 3);
    EXPECT_EQ(os.text, L"The operating system is supported.");

    Velkora::ProcessorFacts cpu = Velkora::ReadProcessorFacts();
    EXPECT_TRUE(cpu.hasSse && cpu.hasSse2);
    EXPECT_EQ(processor.severity, cpu.logicalProcessors > 1 ? 4 : 3);
    EXPECT_EQ(processor.text, L"The processor supports the SSE and SSE2 instructions.");

    Velkora::MemoryFacts installed = Velkora::ReadMemoryFacts();
    ASSERT_TRUE(installed.known);
    Velkora::CheckResult expectedMemory;
    Velkora::CheckMemory(texts, installed, expectedMemory);
    EXPECT_EQ(memory.severity, expectedMemory.severity);
    EXPECT_EQ(memory.text, expectedMemory.text);

    // Wine's C: and Z: are both the host's file system.
    Velkora::DriveTable drives = Velkora::ReadDriveTable();
    EXPECT_EQ(drives['C' - 'A'].driveType, static_cast<std::uint32_t>(DRIVE_FIXED));
    EXPECT_GT(drives['C' - 'A'].freeBytes, 0);
    const bool enough = drives['C' - 'A'].freeBytes >= 10737418240LL;
    EXPECT_EQ(disk.severity, enough ? 3 : drives['C' - 'A'].freeBytes >= 5368709120LL ? 2 : 1);
    EXPECT_NE(disk.text.find(L"Drive "), std::wstring::npos);

    // The test bed's Xvfb screen is 1920 x 1080.
    Velkora::ScreenFacts facts = Velkora::ReadScreenFacts();
    EXPECT_EQ(facts.width, 1920);
    EXPECT_EQ(facts.height, 1080);
    EXPECT_EQ(screen.severity, 3);
    EXPECT_EQ(screen.text, L"The screen resolution is at least 1280 x 1024.");
}

TEST(DriveFreeBytes, FallBackWithoutTheExtendedFunctionAndZeroOnFailure) {
    const std::int64_t extended = Velkora::GetDriveFreeBytes(L"C:\\");
    const std::int64_t fallBack = Velkora::GetDriveFreeBytesWith(nullptr, L"C:\\");
    std::printf("  C:\\ free: %lld bytes by GetDiskFreeSpaceExW, %lld by the cluster counts\n",
                static_cast<long long>(extended), static_cast<long long>(fallBack));
    EXPECT_GT(extended, 0);
    EXPECT_GT(fallBack, 0);
    // The file system is live; both readings agree to within a percent.
    EXPECT_LT(std::llabs(extended - fallBack), extended / 100 + 1);

    for (const wchar_t* missing : {L"Q:\\", L"\\\\nowhere\\share\\", L""}) {
        EXPECT_EQ(Velkora::GetDriveFreeBytes(missing), 0) << missing;
        EXPECT_EQ(Velkora::GetDriveFreeBytesWith(nullptr, missing), 0) << missing;
    }
}

} // namespace
