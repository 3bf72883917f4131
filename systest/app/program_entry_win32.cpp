#include "program_entry_win32.h"

#include <commctrl.h>

#include "app_context_win32.h"
#include "framework/message_loop_win32.h"
#include "framework/scoped_handles_win32.h"
#include "language_selection_win32.h"
#include "lic_dlg_win32.h"
#include "user_list_class_win32.h"
#include "main_dlg_win32.h"
#include "res/resource.h"
#include "system_check_suite_win32.h"

namespace Velkora {
namespace {

// Keeps the loop registered with the module object for as long as the run lasts.
class CLoopRegistration {
public:
    explicit CLoopRegistration(CMessageLoop& loop) { AppModule().AddMessageLoop(&loop); }
    ~CLoopRegistration() { AppModule().RemoveMessageLoop(); }
    CLoopRegistration(const CLoopRegistration&) = delete;
    CLoopRegistration& operator=(const CLoopRegistration&) = delete;
};

int StartUpRun(HINSTANCE instance, int showCommand) {
    AppContext context;
    context.identity = SettleProductIdentity();
    RegisterUserListClass(instance);

    CResourceModules modules(instance);
    LanguageSelection language;
    if (!SelectLanguage(modules, language)) return -1;
    CModuleTextSource texts(modules);
    context.modules = &modules;
    context.texts = &texts;

    CMessageLoop loop;
    CLoopRegistration registration(loop);

    CLicDlg licence(context, language.licencePath);
    if (!licence.Create(instance, IDD_LICDLG, nullptr)) return 0;
    ShowWindow(licence.Handle(), showCommand);
    int result = loop.Run();
    if (result != 1) return result;

    std::unique_ptr<ICheckSuite> checks = CreateSystemCheckSuite(texts, context.identity);
    context.checks = checks.get();
    CMainDlg main(context);
    if (!main.Create(instance, IDD_MAINDLG, nullptr)) return 0;
    ShowWindow(main.Handle(), showCommand);
    return loop.Run();
}

} // namespace

int RunProgram(HINSTANCE instance, int showCommand) {
    CComInitializer com(COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    AppModule().Init(instance);
    int result = StartUpRun(instance, showCommand);
    AppModule().Term();
    return result;
}

} // namespace Velkora
