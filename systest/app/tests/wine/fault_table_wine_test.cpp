// The faults a deployment meets, each with one defined outcome and nothing half written: output
// targets that cannot be replaced, broken data files beside the program, two checks at once.
// The README's fault table lists these cases and their outcomes.
#include "unattended_program_win32.h"

namespace {

using namespace VelkoraTest;

// Bytes without any structure, the same in every run.
std::string Garbage(std::size_t size) {
    std::string bytes(size, '\0');
    std::uint32_t state = 12345;
    for (char& c : bytes) {
        state = state * 1103515245u + 12345u;
        c = static_cast<char>(state >> 23);
    }
    return bytes;
}

json CheckById(const json& document, const char* id) {
    for (const json& check : document["checks"]) {
        if (check["id"] == id)
            return check;
    }
    return json();
}

class FaultTable : public UnattendedProgram {
  protected:
    // A silent run with both outputs; the document, or a discarded one.
    json SilentRun(RunOutcome& run) {
        DeleteFileW((out + L"result.json").c_str());
        run = Run(L"-accepteula -silent -json \"" + out + L"result.json\"");
        return ParseJson(ReadFileBytes(out + L"result.json"));
    }
};

// Another process holds the target open without sharing: the old file stays as it was, the run
// ends with 5 and a line, and no temporary file is left beside it.
TEST_F(FaultTable, TargetLockedByAnotherProcessStaysUntouched) {
    for (const wchar_t* option : {L"-report", L"-json"}) {
        const std::wstring target = out + L"locked.txt";
        ASSERT_TRUE(WriteFileBytes(target, "old contents"));
        Velkora::CFile lock(
            CreateFileW(target.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(lock);
        RunOutcome run = Run(std::wstring(L"-accepteula -silent ") + option + L" \"" + target + L"\"");
        lock.Reset();
        ASSERT_TRUE(run.exitCode);
        EXPECT_EQ(*run.exitCode, 5u) << Utf8Of(option);
        EXPECT_NE(run.errors.find("could not be written to"), std::string::npos) << run.errors;
        EXPECT_EQ(ReadFileBytes(target), std::optional<std::string>("old contents")) << Utf8Of(option);
        EXPECT_EQ(FilesIn(out), std::vector<std::wstring>{L"locked.txt"}) << Utf8Of(option);
        DeleteFileW(target.c_str());
    }
}

// A target path longer than MAX_PATH: written whole or not at all, and the exit code says which.
TEST_F(FaultTable, TargetPathLongerThanMaxPath) {
    const std::wstring deep = out + std::wstring(150, L'd') + L"\\";
    ASSERT_TRUE(CreateDirectoryW(deep.c_str(), nullptr));
    const std::wstring target = deep + std::wstring(150, L'r') + L".json";
    ASSERT_GT(target.size(), static_cast<std::size_t>(MAX_PATH));
    RunOutcome run = Run(L"-accepteula -silent -json \"" + target + L"\"");
    ASSERT_TRUE(run.exitCode);
    std::optional<std::string> written = ReadFileBytes(target);
    if (*run.exitCode == 5u) {
        EXPECT_FALSE(written);
        EXPECT_NE(run.errors.find("could not be written to"), std::string::npos) << run.errors;
    } else {
        ASSERT_TRUE(written);
        json document = ParseJson(written);
        ASSERT_FALSE(document.is_discarded());
        EXPECT_EQ(*run.exitCode, 10u + document["summary"]["severity"].get<unsigned>());
    }
    EXPECT_EQ(FilesIn(deep).size(), written ? 1u : 0u);
    std::printf("target of %zu characters: exit code %lu, %s\n", target.size(), *run.exitCode,
                written ? "written" : "not written");
}

// A broken card list decides like a list without entries (or like the list it holds), never
// worse, and the run ends with a summary.
TEST_F(FaultTable, BrokenCardListsDecideLikeTheEntriesTheyHold) {
    const std::wstring list = folder.Path() + L"GraphicsCardGBList.txt";
    const std::optional<std::string> shipped = ReadFileBytes(list);
    ASSERT_TRUE(shipped);
    RunOutcome run;
    const json asShipped = CheckById(SilentRun(run), "graphicsCard");
    ASSERT_TRUE(WriteFileBytes(list, ""));
    const json empty = CheckById(SilentRun(run), "graphicsCard");

    std::wstring utf16;
    for (unsigned char c : *shipped)
        utf16 += static_cast<wchar_t>(c); // the list is ASCII
    std::string bigEndian = "\xFE\xFF";
    for (wchar_t c : utf16) {
        bigEndian += static_cast<char>(c >> 8);
        bigEndian += static_cast<char>(c & 0xFF);
    }
    std::string noLineEnd;
    while (noLineEnd.size() < (8u << 20))
        noLineEnd += "quadro p4000,388.13,20171110,CD ";
    std::string huge;
    const std::string comment = "# " + std::string(97, '-') + "\r\n";
    huge.reserve((200u << 20) + shipped->size());
    while (huge.size() < (200u << 20))
        huge += comment;
    huge += *shipped;
    struct Case {
        const char* name;
        std::string bytes;
        const json& expected;
    } cases[] = {
        {"binary garbage", Garbage(1 << 20), empty},
        {"UTF-16 big-endian", bigEndian, asShipped},
        {"8 MB without a line end", noLineEnd, empty},
        {"200 MB", std::move(huge), asShipped},
    };
    for (Case& c : cases) {
        ASSERT_TRUE(WriteFileBytes(list, c.bytes)) << c.name;
        c.bytes = std::string();
        json document = SilentRun(run);
        ASSERT_TRUE(run.exitCode) << c.name;
        ASSERT_FALSE(document.is_discarded()) << c.name;
        EXPECT_EQ(*run.exitCode, 10u + document["summary"]["severity"].get<unsigned>()) << c.name;
        EXPECT_EQ(CheckById(document, "graphicsCard"), c.expected) << c.name;
        std::printf("card list %s: exit code %lu in %lu ms\n", c.name, *run.exitCode, run.milliseconds);
    }
}

// A language module that is cut short, is garbage or is a folder counts as missing: -1 and the
// line, no window, nothing written.
TEST_F(FaultTable, BrokenLanguageModuleCountsAsMissing) {
    const std::optional<std::string> module = ReadFileBytes(folder.Path() + L"VelkoraSystest_En.Dll");
    ASSERT_TRUE(module);
    std::vector<std::wstring> modules;
    for (const std::wstring& name : FilesIn(folder.Path())) {
        if (name.rfind(L"VelkoraSystest_", 0) == 0)
            modules.push_back(folder.Path() + name);
    }
    const char* const kinds[] = {"truncated", "garbage", "folder"};
    for (const char* kind : kinds) {
        for (const std::wstring& path : modules) {
            DeleteFileW(path.c_str());
            RemoveDirectoryW(path.c_str());
            if (std::string(kind) == "folder") {
                ASSERT_TRUE(CreateDirectoryW(path.c_str(), nullptr));
            } else {
                ASSERT_TRUE(WriteFileBytes(path, std::string(kind) == "truncated"
                                                     ? module->substr(0, module->size() / 3)
                                                     : Garbage(module->size())));
            }
        }
        DeleteFileW((out + L"result.json").c_str());
        RunOutcome run = Run(L"-accepteula -silent -json \"" + out + L"result.json\"");
        ASSERT_TRUE(run.exitCode) << kind;
        EXPECT_EQ(*run.exitCode, 0xFFFFFFFFu) << kind;
        EXPECT_EQ(run.windowsSeen, 0u) << kind;
        EXPECT_EQ(run.errors.rfind("Fatal Error: Can't initialize language Dll / ", 0), 0u)
            << kind << ": " << run.errors;
        EXPECT_TRUE(FilesIn(out).empty()) << kind;
    }
}

// A broken module of the user's language beside a sound English one: the English texts are used,
// as when the user's module is missing.
TEST_F(FaultTable, BrokenLocaleModuleFallsBackToEnglish) {
    if (UserLanguageCode() == L"en") {
        GTEST_SKIP() << "the user's module is the English one here";
    }
    ASSERT_TRUE(
        WriteFileBytes(folder.Path() + L"VelkoraSystest_" + UserLanguageCode() + L".Dll", Garbage(40000)));
    RunOutcome run;
    json document = SilentRun(run);
    ASSERT_TRUE(run.exitCode);
    ASSERT_FALSE(document.is_discarded()) << run.errors;
    EXPECT_EQ(*run.exitCode, 10u + document["summary"]["severity"].get<unsigned>());
    EXPECT_FALSE(document["summary"]["label"].get<std::string>().empty());
    EXPECT_FALSE(document["checks"][0]["text"].get<std::string>().empty());
}

// Two checks started at once in the same folder: both end with the same verdict, both documents
// are whole, and Zentoli's settings file still holds every key.
TEST_F(FaultTable, TwoChecksAtOnceInTheSameFolder) {
    CDrivenProcess first, second;
    const std::wstring program =
        L"\"" + folder.Path() + L"VelkoraSysTest.exe\" -accepteula -silent -json \"" + out;
    ASSERT_TRUE(first.Start({program + L"first.json\"", folder.Path(), {}}));
    ASSERT_TRUE(second.Start({program + L"second.json\"", folder.Path(), {}}));
    const std::optional<DWORD> firstCode = first.WaitForExit(kWait);
    const std::optional<DWORD> secondCode = second.WaitForExit(kWait);
    ASSERT_TRUE(firstCode && secondCode);
    json a = ParseJson(ReadFileBytes(out + L"first.json"));
    json b = ParseJson(ReadFileBytes(out + L"second.json"));
    ASSERT_FALSE(a.is_discarded() || b.is_discarded());
    EXPECT_EQ(*firstCode, 10u + a["summary"]["severity"].get<unsigned>());
    EXPECT_EQ(*secondCode, 10u + b["summary"]["severity"].get<unsigned>());
    // The same rows and verdicts; the texts may name different drives (seen under Wine: one run
    // named C:, the other Z: for the disk check).
    ASSERT_EQ(a["checks"].size(), b["checks"].size());
    for (std::size_t i = 0; i < a["checks"].size(); ++i) {
        EXPECT_EQ(a["checks"][i]["id"], b["checks"][i]["id"]);
        EXPECT_EQ(a["checks"][i]["severity"], b["checks"][i]["severity"]);
    }
    EXPECT_EQ(FilesIn(out), (std::vector<std::wstring>{L"first.json", L"second.json"}));
    std::optional<std::string> settings = ReadFileBytes(folder.Path() + L"Zentoli.ini");
    ASSERT_TRUE(settings);
    for (const char* key : {"version=", "Allow Intel=", "Allow NVIDIA=", "Allow AMD=", "Allow multi GPU=",
                            "Skip remote check=", "Req. driver date=", "GL4.2 NV driver date=",
                            "GL4.2 AMD driver date=", "GL4.2 Intel driver date="}) {
        EXPECT_NE(settings->find(key), std::string::npos) << key << " missing in\n" << *settings;
    }
    std::printf("two checks at once: exit codes %lu and %lu\n", *firstCode, *secondCode);
}

} // namespace
