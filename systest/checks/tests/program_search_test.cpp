#include "program_search.h"

#include <set>

#include <gtest/gtest.h>

namespace Velkora {
namespace {

const ProgramSearchPlaces kPlaces{L"C:\\Apps\\Velkora\\VelkoraSysTest.exe", L"C:\\Windows\\System32",
                                  L"C:\\Windows\\system32", L"C:\\Windows\\",
                                  L"C:\\Tools;;\"C:\\Program Files\\X\";D:\\bin\\"};

TEST(ProgramSearch, FoldersInTheOrderOfCreateProcess) {
    EXPECT_EQ(ProgramSearchFolders(kPlaces),
              (std::vector<std::wstring>{L"C:\\Apps\\Velkora", L"C:\\Windows\\System32", L"C:\\Windows\\system32",
                                         L"C:\\Windows\\System", L"C:\\Windows", L"C:\\Tools",
                                         L"C:\\Program Files\\X", L"D:\\bin"}));
    // A drive's root keeps its backslash; nothing known gives nothing.
    EXPECT_EQ(ProgramSearchFolders({L"C:\\VelkoraSysTest.exe", L"D:\\", L"", L"", L""}),
              (std::vector<std::wstring>{L"C:\\", L"D:\\"}));
    EXPECT_TRUE(ProgramSearchFolders({}).empty());
}

// The diagnostics program is started in the folder it was found in: beside the program first,
// then where the caller stands, then the system's folders.
TEST(ProgramSearch, FirstFolderThatHoldsTheProgram) {
    struct Case {
        const char* what;
        std::wstring name;
        std::set<std::wstring> files;
        std::optional<FoundProgram> found;
    };
    const Case cases[] = {
        {"beside the program", L"Zentoli.exe",
         {L"C:\\Apps\\Velkora\\Zentoli.exe", L"C:\\Windows\\System32\\Zentoli.exe"},
         FoundProgram{L"C:\\Apps\\Velkora\\Zentoli.exe", L"C:\\Apps\\Velkora"}},
        {"in the caller's folder", L"Zentoli.exe", {L"C:\\Windows\\System32\\Zentoli.exe"},
         FoundProgram{L"C:\\Windows\\System32\\Zentoli.exe", L"C:\\Windows\\System32"}},
        {"on the path", L"Zentoli.exe", {L"D:\\bin\\Zentoli.exe"}, FoundProgram{L"D:\\bin\\Zentoli.exe", L"D:\\bin"}},
        {".exe added", L"Zentoli", {L"C:\\Tools\\Zentoli.exe"}, FoundProgram{L"C:\\Tools\\Zentoli.exe", L"C:\\Tools"}},
        {"nowhere", L"Zentoli.exe", {}, std::nullopt},
        {"a folder part is not searched", L"sub\\Zentoli.exe", {L"C:\\Apps\\Velkora\\sub\\Zentoli.exe"}, std::nullopt},
        {"a full path is not searched", L"C:\\x\\Zentoli.exe", {L"C:\\x\\Zentoli.exe"}, std::nullopt},
        {"no name", L"", {L"C:\\Apps\\Velkora\\.exe"}, std::nullopt},
    };
    const std::vector<std::wstring> folders = ProgramSearchFolders(kPlaces);
    for (const Case& c : cases) {
        auto exists = [&](const std::wstring& path) { return c.files.count(path) != 0; };
        EXPECT_EQ(FindProgramFile(c.name, folders, exists), c.found) << c.what;
    }
}

TEST(ProgramSearch, ProgramWordOfACommandLine) {
    EXPECT_EQ(ProgramWordOf(L"Zentoli.exe"), L"Zentoli.exe");
    EXPECT_EQ(ProgramWordOf(L"diagnostics_standin.exe 12"), L"diagnostics_standin.exe");
    EXPECT_EQ(ProgramWordOf(L"\"C:\\Program Files\\Z.exe\" -1"), L"C:\\Program Files\\Z.exe");
    EXPECT_EQ(ProgramWordOf(L"\"unterminated"), L"unterminated");
    EXPECT_EQ(ProgramWordOf(L""), L"");
}

} // namespace
} // namespace Velkora
