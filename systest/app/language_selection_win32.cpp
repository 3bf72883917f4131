#include "language_selection_win32.h"

#include "language_selection.h"
#include "process_paths_win32.h"
#include "scoped_handle_win32.h"

namespace Velkora {
namespace {

constexpr DWORD kDataOnly = LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE;

// A module file counts only when it loads and holds our texts: one that is cut short, garbage or
// another program's would otherwise give a run whose rows and report have no words at all.
bool IsUsableModule(const std::wstring& path) {
    if (!IsFilePath(path))
        return false;
    CModule module(LoadLibraryExW(path.c_str(), nullptr, kDataOnly));
    if (!module)
        return false;
    bool found = false;
    LoadTextFromModule(module.Get(), kModuleProbeTextId, &found);
    return found;
}

std::wstring ReadLanguageCode() {
    wchar_t code[30] = {};
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SISO639LANGNAME, code, 30) == 0)
        return {};
    return code;
}

} // namespace

void ShowFatalMessageBox(const std::wstring& message, const std::wstring& title) {
    MessageBoxW(nullptr, message.c_str(), title.c_str(), MB_OK);
}

bool SelectLanguage(CResourceModules& modules, LanguageSelection& selection, FatalMessageSink fatal) {
    selection.languageCode = ReadLanguageCode();
    LanguagePlan plan = PlanLanguageSelection(selection.languageCode, ReadProgramPath(), IsUsableModule);
    if (!plan.Succeeded()) {
        fatal(plan.fatalMessage, std::wstring(kFatalErrorTitle));
        return false;
    }
    selection.licencePath = plan.licencePath;
    selection.modulePath = plan.moduleToLoad;
    // Loaded as data only: a replaced module file can supply texts but never run code in our process.
    selection.module = LoadLibraryExW(plan.moduleToLoad.c_str(), nullptr, kDataOnly);
    modules.Register(selection.module);
    // A module of another language may be older than the program: the English one beside the
    // program supplies the texts it lacks.
    const std::wstring englishPath = plan.programFolder + std::wstring(kEnglishModuleName);
    const bool englishLoaded =
        plan.outcome == LanguageOutcome::kEnglishFallback ||
        CompareStringOrdinal(englishPath.c_str(), -1, plan.moduleToLoad.c_str(), -1, TRUE) == CSTR_EQUAL;
    if (englishLoaded)
        modules.SetEnglish(selection.module);
    else if (IsUsableModule(englishPath))
        modules.SetEnglish(LoadLibraryExW(englishPath.c_str(), nullptr, kDataOnly));
    return true;
}

} // namespace Velkora
