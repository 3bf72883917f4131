#include <gtest/gtest.h>

#include "driven_process_win32.h"
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

    EXPECT_EQ(ListBoxItemsOf(ControlOf(dialog, 1001)), (std::vector<std::wstring>{L"first line", L"", L"third line"}));
    EXPECT_NE(ChildWithText(dialog, L"Fixture text"), nullptr);
    HWND ok = ControlOf(dialog, IDOK);
    EXPECT_FALSE(IsEnabledControl(ok));
    ClickButton(ControlOf(dialog, 1006));
    EXPECT_TRUE(IsChecked(ControlOf(dialog, 1006)));
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
