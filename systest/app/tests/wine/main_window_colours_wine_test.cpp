// The real main window made in the test's own process (Wine keeps system colours per process, so
// only here can a test change them under a window): a change of the system colours, which the
// system tells top-level windows only, reaches the result list through its dialog.
#include <windows.h>

#include <vector>

#include <gtest/gtest.h>

#include "check_session_win32.h"
#include "check_suite.h"
#include "list_test_support_win32.h"
#include "main_dlg_win32.h"
#include "product_identity.h"
#include "res/resource.h"
#include "resource_modules_win32.h"
#include "scoped_handle_win32.h"
#include "temp_folder_win32.h"
#include "user_list_class_win32.h"

namespace {

using namespace Velkora;

const std::wstring kDeliverable = VelkoraTest::WinePathOf(VELKORA_DELIVERABLE_DIR) + L"\\";

// A run with a few rows and no graphics hardware: what the rows say does not matter here.
class CFixedChecks : public ICheckSuite {
  public:
    void CheckOperatingSystem(CheckResult& r) override {
        r = {kSeverityMet, L"The operating system is supported.", L""};
    }
    void CheckProcessor(CheckResult& r) override { r = {kSeverityMet, L"The processor is fine.", L""}; }
    void CheckMemory(CheckResult& r) override {
        r = {kSeverityWarning, L"Less memory than recommended.", L""};
    }
    void CheckDiskSpace(CheckResult& r) override { r = {kSeverityMet, L"Enough disk space.", L""}; }
    void CheckScreen(CheckResult& r) override { r = {kSeverityMet, L"A large enough screen.", L""}; }
    bool HasUserDesktop() override { return true; }
    void StartGraphicsDiagnostics() override {}
    bool RunGraphicsDiagnostics() override { return false; }
    void CheckVideoMemory(CheckResult&) override {}
    bool CheckCardListVerdict(CheckResult&, CheckResult&) override { return false; }
    void CheckAdaptersIdentical(CheckResult&) override {}
    bool ReplaceCardListForOlderWindows() override { return false; }
    DiagnosticsRunFacts LastDiagnosticsRun() override { return {}; }
};

constexpr DWORD kDataModule = LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE;

TEST(MainWindowColours, ASystemColourChangeReachesTheList) {
    // The program's own dialog, pictures and texts, from the deliverable.
    CModule program(LoadLibraryExW((kDeliverable + L"VelkoraSysTest.exe").c_str(), nullptr, kDataModule));
    CModule language(LoadLibraryExW((kDeliverable + L"VelkoraSystest_En.Dll").c_str(), nullptr, kDataModule));
    ASSERT_TRUE(program && language);
    ASSERT_TRUE(RegisterUserListClass(program.Get()));
    CResourceModules modules(program.Get());
    modules.Register(language.Get());
    CModuleTextSource texts(modules);
    CFixedChecks checks;
    AppContext context;
    context.identity = SettleProductIdentity();
    context.modules = &modules;
    context.texts = &texts;
    context.checks = &checks;
    CCheckSession session(context);
    modules.SetCurrent(language.Get());
    session.Begin();
    session.Run({});
    CMainDlg main(context, session);
    ASSERT_NE(main.Create(program.Get(), IDD_MAINDLG, nullptr), nullptr);
    main.ShowRun();
    ShowWindow(main.Handle(), SW_SHOW);
    HWND list = GetDlgItem(main.Handle(), IDC_MAIN_LIST);
    ASSERT_NE(list, nullptr);

    ListTest::CSystemColoursChange colours({COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_BTNFACE}, main.Handle());
    const std::vector<COLORREF> contrast = {RGB(0, 0, 1), RGB(255, 255, 1), RGB(1, 0, 128)};

    ListTest::Render(list); // painted once in the old colours
    ASSERT_TRUE(colours.Set(contrast));
    // As the system tells every top-level window; the list is a child and hears it from its dialog.
    SendMessageW(main.Handle(), WM_SYSCOLORCHANGE, 0, 0);
    ListTest::Picture after = ListTest::Render(list);
    after.Save("main_window_list_high_contrast.bmp");
    // A strip at the foot of the list, below the last row, is all background.
    const ListRect foot{0, after.height - 8, after.width, after.height};
    EXPECT_EQ(after.CountOther(foot, contrast[0]), 0) << "the list kept its old background";
}

} // namespace
