#include "program_search.h"

#include <gtest/gtest.h>

namespace Velkora {
namespace {

// The diagnostics program is taken from the running program's folder alone: never from the
// working folder, the system folders or PATH, whatever lies there.
TEST(ProgramSearch, OnlyFromTheRunningProgramsFolder) {
    struct Case {
        const char* what;
        std::wstring commandLine;
        std::wstring programPath;
        std::optional<FoundProgram> found;
    };
    const Case cases[] = {
        {"bare name", L"Zentoli.exe", L"C:\\Apps\\Velkora\\VelkoraSysTest.exe",
         FoundProgram{L"C:\\Apps\\Velkora\\Zentoli.exe", L"C:\\Apps\\Velkora"}},
        {"arguments left out", L"diagnostics_standin.exe 12", L"C:\\Apps\\VelkoraSysTest.exe",
         FoundProgram{L"C:\\Apps\\diagnostics_standin.exe", L"C:\\Apps"}},
        {".exe added", L"Zentoli", L"C:\\Apps\\VelkoraSysTest.exe",
         FoundProgram{L"C:\\Apps\\Zentoli.exe", L"C:\\Apps"}},
        {"a drive's root keeps its backslash", L"Zentoli.exe", L"D:\\VelkoraSysTest.exe",
         FoundProgram{L"D:\\Zentoli.exe", L"D:\\"}},
        {"on a share", L"Zentoli.exe", L"\\\\srv\\tools\\VelkoraSysTest.exe",
         FoundProgram{L"\\\\srv\\tools\\Zentoli.exe", L"\\\\srv\\tools"}},
        {"a quoted full path as given", L"\"C:\\Program Files\\Z.exe\" -1", L"C:\\Apps\\VelkoraSysTest.exe",
         FoundProgram{L"C:\\Program Files\\Z.exe", L"C:\\Program Files"}},
        {"a relative folder part", L"sub\\Zentoli.exe", L"C:\\Apps\\VelkoraSysTest.exe", std::nullopt},
        {"a way out of the folder", L"..\\Zentoli.exe", L"C:\\Apps\\VelkoraSysTest.exe", std::nullopt},
        {"drive-relative", L"C:Zentoli.exe", L"C:\\Apps\\VelkoraSysTest.exe", std::nullopt},
        {"no name", L"", L"C:\\Apps\\VelkoraSysTest.exe", std::nullopt},
        {"running program without a folder", L"Zentoli.exe", L"VelkoraSysTest.exe", std::nullopt},
        {"running program path unknown", L"Zentoli.exe", L"", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ProgramBesideUs(c.commandLine, c.programPath), c.found) << c.what;
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
