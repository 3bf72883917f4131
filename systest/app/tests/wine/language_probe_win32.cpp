// Prints what the language selection chose, and one text from the chosen module, so that a
// test can run the selection in prepared folders and locales.
#include <windows.h>

#include <cstdio>
#include <string>

#include "language_selection_win32.h"

namespace {

std::string Utf8(const std::wstring& text) {
    int bytes = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                    nullptr, nullptr);
    std::string out(bytes, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), bytes, nullptr,
                        nullptr);
    return out;
}

void PrintFatal(const std::wstring& message, const std::wstring& title) {
    std::printf("fatal=%s|%s\n", Utf8(title).c_str(), Utf8(message).c_str());
}

} // namespace

int main() {
    Velkora::CResourceModules modules(GetModuleHandleW(nullptr));
    Velkora::LanguageSelection selection;
    bool ok = Velkora::SelectLanguage(modules, selection, PrintFatal);
    modules.SetCurrent(modules.LanguageModule());
    Velkora::CModuleTextSource texts(modules);
    std::printf("ok=%d\ncode=%s\nlicence=%s\nmodule=%s\nloaded=%d\ntext902=%s\n", ok ? 1 : 0,
                Utf8(selection.languageCode).c_str(), Utf8(selection.licencePath).c_str(),
                Utf8(selection.modulePath).c_str(), selection.module != nullptr ? 1 : 0,
                Utf8(texts.Text(902)).c_str());
    return ok ? 0 : 1;
}
