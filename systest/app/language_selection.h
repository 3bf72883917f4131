#pragma once
// Which language module and licence text the program uses, decided from the locale's
// language code and the program's path. The Win32 side loads what this decides.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "text_ids.h"

namespace Velkora {

inline constexpr std::wstring_view kFatalErrorTitle = L"Fatal Error";
inline constexpr std::wstring_view kEnglishModuleName = L"VelkoraSystest_En.Dll";
inline constexpr std::wstring_view kEnglishLicenceName = L"Lic_En.Txt";
// A text every language module holds (the list's "Status" heading). A module file without it
// is not taken: it counts as missing.
inline constexpr std::uint16_t kModuleProbeTextId = kTextColumnStatus;

enum class LanguageOutcome {
    kLocaleModule,    // the locale's module beside the program
    kEnglishFallback, // the English module and licence "Lic_En.Txt" beside the program
    kNoProgramFolder, // fatal
    kNoModule,        // fatal
};

struct LanguagePlan {
    LanguageOutcome outcome = LanguageOutcome::kNoModule;
    std::wstring programFolder;
    std::wstring licencePath;
    std::wstring modulePath;   // the locale's module path, named by the fatal message too
    std::wstring moduleToLoad; // what to load: modulePath or the English module beside the program
    std::wstring fatalMessage; // set for the two fatal outcomes
    bool Succeeded() const { return fatalMessage.empty(); }
};

// isUsable(path): the path exists, is not a directory and holds a language module (a bare name
// is looked up in the current working directory).
using PathUsable = std::function<bool(const std::wstring&)>;

// The program folder: the path up to and including its last backslash; a backslash in the
// first character does not count. Empty when there is none.
std::wstring ProgramFolderOf(std::wstring_view programPath);

LanguagePlan PlanLanguageSelection(std::wstring_view languageCode, std::wstring_view programPath,
                                   const PathUsable& isUsable);

} // namespace Velkora
