#pragma once
// Chooses the language module from the user's locale, loads it as data and registers it.
#include <string>

#include "resource_modules_win32.h"

namespace Velkora {

struct LanguageSelection {
    std::wstring languageCode;
    std::wstring licencePath;
    std::wstring modulePath;
    HMODULE module = nullptr; // null when the module exists but did not load: every text is then empty
};

// Reports a fatal start-up message; the dialog program shows a message box.
using FatalMessageSink = void (*)(const std::wstring& message, const std::wstring& title);
void ShowFatalMessageBox(const std::wstring& message, const std::wstring& title);

// Answers false after the fatal message when no program folder or no module exists.
[[nodiscard]] bool SelectLanguage(CResourceModules& modules, LanguageSelection& selection,
                                  FatalMessageSink fatal = ShowFatalMessageBox);

} // namespace Velkora
