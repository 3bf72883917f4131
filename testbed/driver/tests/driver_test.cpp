#include <gtest/gtest.h>

#include <cwchar>
#include <vector>

#include "driven_process_win32.h"
#include "file_contents_win32.h"
#include "fixture_dialog_resource.h"
#include "temp_folder_win32.h"
#include "window_probe_win32.h"

namespace VelkoraTest {
namespace {

std::wstring FixturePath() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring p = path;
    return p.substr(0, p.rfind(L'\\') + 1) + L"driver_fixture_dialog.exe";
}

TEST(Driver, StartsReadsAndDrivesADialog) {
    CDrivenProcess fixture;
    ASSERT_TRUE(fixture.Start({L"\"" + FixturePath() + L"\"", L"C:\\windows", {L"FIXTURE_VALUE=forty two"}}));
    HWND dialog = fixture.WaitForWindow(L"#32770", L"Driver Fixture", 10000);
    ASSERT_NE(dialog, nullptr);

    EXPECT_EQ(ListBoxItemsOf(ControlOf(dialog, IDC_FIXTURE_LIST)),
              (std::vector<std::wstring>{L"first line", L"", L"third line"}));
    EXPECT_NE(ChildWithText(dialog, L"Fixture text"), nullptr);
    HWND ok = ControlOf(dialog, IDOK);
    EXPECT_FALSE(IsEnabledControl(ok));
    ClickButton(ControlOf(dialog, IDC_FIXTURE_TICK));
    EXPECT_TRUE(IsChecked(ControlOf(dialog, IDC_FIXTURE_TICK)));
    EXPECT_TRUE(WaitUntil([&] { return IsEnabledControl(ok); }, 5000));
    PostCommand(dialog, IDOK);

    auto code = fixture.WaitForExit(10000);
    ASSERT_TRUE(code.has_value());
    EXPECT_EQ(*code, 7u);
    std::string out = fixture.Output();
    EXPECT_NE(out.find("value=forty two"), std::string::npos) << out;
    EXPECT_NE(out.find("cwd=C:\\windows"), std::string::npos) << out;
}

TEST(Driver, EscapeKeyReachesTheDialog) {
    CDrivenProcess fixture;
    ASSERT_TRUE(fixture.Start({L"\"" + FixturePath() + L"\"", L"", {}}));
    HWND dialog = fixture.WaitForWindow(L"#32770", L"Driver Fixture", 10000);
    ASSERT_NE(dialog, nullptr);
    PressKey(dialog, VK_ESCAPE);
    auto code = fixture.WaitForExit(10000);
    ASSERT_TRUE(code.has_value());
    EXPECT_EQ(*code, 3u);
}

TEST(Driver, GivesUpInsteadOfHanging) {
    CDrivenProcess fixture;
    ASSERT_TRUE(fixture.Start({L"\"" + FixturePath() + L"\"", L"", {}}));
    EXPECT_EQ(fixture.WaitForWindow(L"NoSuchClass", L"", 500), nullptr);
    EXPECT_FALSE(fixture.WaitForExit(200).has_value());
    fixture.Terminate();
    EXPECT_TRUE(fixture.WaitForExit(5000).has_value());
}

TEST(Driver, ReportsAProgramThatCannotStart) {
    CDrivenProcess missing;
    EXPECT_FALSE(missing.Start({L"C:\\no\\such\\program.exe", L"", {}}));
}

} // namespace
} // namespace VelkoraTest

// Folders a crashed or blocked test left behind keep their names, and Wine gives the same
// process id out again soon: a new temporary folder takes the next free name instead of failing.
TEST(TempFolder, TakesTheNextNameWhenOneIsTaken) {
    VelkoraTest::CTempFolder first(L"velkora-driver");
    ASSERT_TRUE(first.IsValid());
    const std::wstring base = first.Path().substr(0, first.Path().rfind(L'-', first.Path().size() - 2) + 1);
    const unsigned long number = std::wcstoul(first.Path().c_str() + base.size(), nullptr, 10);
    std::vector<std::wstring> leftOver;
    for (unsigned long n = number + 1; n <= number + 3; ++n) {
        leftOver.push_back(base + std::to_wstring(n));
        ASSERT_TRUE(CreateDirectoryW(leftOver.back().c_str(), nullptr));
    }
    {
        VelkoraTest::CTempFolder next(L"velkora-driver");
        EXPECT_TRUE(next.IsValid());
        EXPECT_EQ(next.Path(), base + std::to_wstring(number + 4) + L"\\");
    }
    for (const std::wstring& folder : leftOver)
        EXPECT_TRUE(RemoveDirectoryW(folder.c_str()));
}

// Tests write paths beyond MAX_PATH and read-only files on purpose; their folder still goes whole.
TEST(TempFolder, IsRemovedWithLongPathsAndReadOnlyFiles) {
    std::wstring path;
    {
        VelkoraTest::CTempFolder folder(L"velkora-driver");
        ASSERT_TRUE(folder.IsValid());
        path = folder.Path();
        std::wstring deep = L"\\\\?\\" + path + std::wstring(150, L'd') + L"\\";
        ASSERT_TRUE(CreateDirectoryW(deep.c_str(), nullptr));
        deep += std::wstring(150, L'e') + L"\\";
        ASSERT_TRUE(CreateDirectoryW(deep.c_str(), nullptr));
        ASSERT_TRUE(VelkoraTest::WriteFileBytes(deep + L"deep.txt", "x"));
        ASSERT_TRUE(VelkoraTest::WriteFileBytes(path + L"locked.txt", "y"));
        ASSERT_TRUE(SetFileAttributesW((path + L"locked.txt").c_str(), FILE_ATTRIBUTE_READONLY));
        EXPECT_EQ(VelkoraTest::FilesIn(path),
                  (std::vector<std::wstring>{std::wstring(150, L'd'), L"locked.txt"}));
    }
    EXPECT_EQ(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES) << "left behind";
}

// Wine's SHFileOperationW, asked to remove a folder that holds a path beyond MAX_PATH, empties the
// current directory instead (seen: it took a source tree and a Wine prefix). Removing a temporary
// folder leaves everything outside it alone, and a path that is not a full one removes nothing.
TEST(TempFolder, RemovalNeverReachesTheCurrentDirectory) {
    VelkoraTest::CTempFolder here(L"velkora-driver");
    ASSERT_TRUE(here.IsValid());
    ASSERT_TRUE(VelkoraTest::WriteFileBytes(here.Path() + L"canary.txt", "alive"));
    ASSERT_TRUE(CreateDirectoryW((here.Path() + L"relative").c_str(), nullptr));
    wchar_t previous[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryW(here.Path().c_str()));
    {
        VelkoraTest::CTempFolder other(L"velkora-driver");
        ASSERT_TRUE(other.IsValid());
        const std::wstring deep =
            L"\\\\?\\" + other.Path() + std::wstring(150, L'd') + L"\\" + std::wstring(150, L'e');
        ASSERT_TRUE(CreateDirectoryW(deep.substr(0, deep.size() - 151).c_str(), nullptr));
        ASSERT_TRUE(CreateDirectoryW(deep.c_str(), nullptr));
    }
    for (const wchar_t* notFull :
         {L"", L"relative", L".\\relative\\", L"C:\\", L"C:relative", L"\\\\server", L"\\\\server\\share\\"})
        EXPECT_FALSE(VelkoraTest::DeleteFolderTree(notFull)) << notFull;
    SetCurrentDirectoryW(previous);
    EXPECT_EQ(VelkoraTest::FilesIn(here.Path()), (std::vector<std::wstring>{L"canary.txt", L"relative"}));
}
