// A text numbered after the first language modules is never blank: a module made for an earlier
// version falls back to the English module, then to the program's own English.
#include "later_texts.h"

#include <gtest/gtest.h>

namespace Velkora {
namespace {

struct FallbackCase {
    const char* name;
    TextId id;
    std::wstring fromModule;
    std::wstring fromEnglishModule;
    std::wstring expected;
};

TEST(LaterTexts, AMissingLaterTextFallsBackToEnglish) {
    const FallbackCase cases[] = {
        {"module has it", kTextDiagnosticsNotStarted, L"Nicht gestartet", L"Not started", L"Nicht gestartet"},
        {"English module has it", kTextDiagnosticsNotStarted, L"", L"Not started", L"Not started"},
        {"neither has it", kTextDiagnosticsNotStarted, L"", L"",
         L"The graphics test (Zentoli.exe) could not be started; the graphics hardware was not checked."},
        {"progress button", kTextProgressCancel, L"", L"", L"&Cancel"},
        {"progress caption", kTextProgressCaption, L"", L"", L"%s: Checking the Workstation"},
        {"an original text stays as the module has it", kTextColumnDescription, L"", L"Description", L""},
        {"an original text from the module", kTextColumnDescription, L"Beschreibung", L"Description",
         L"Beschreibung"},
        {"a later number nobody knows", 1199, L"", L"", L""},
    };
    for (const FallbackCase& c : cases) {
        EXPECT_EQ(TextWithFallback(c.id, c.fromModule, [&] { return c.fromEnglishModule; }), c.expected)
            << c.name;
    }
}

TEST(LaterTexts, TheEnglishModuleIsReadOnlyWhenNeeded) {
    int reads = 0;
    auto english = [&] {
        ++reads;
        return std::wstring(L"Not started");
    };
    TextWithFallback(kTextDiagnosticsNotStarted, L"Nicht gestartet", english);
    TextWithFallback(kTextColumnDescription, L"", english);
    EXPECT_EQ(reads, 0);
    TextWithFallback(kTextDiagnosticsNotStarted, L"", english);
    EXPECT_EQ(reads, 1);
}

TEST(LaterTexts, TheHelpFallsBackToTheBuiltInUsage) {
    EXPECT_EQ(BuiltInEnglishText(kTextHelp).rfind(L"Usage: VelkoraSysTest", 0), 0u);
    EXPECT_EQ(BuiltInEnglishText(kTextColumnStatus), L"") << "original texts are not built in";
}

} // namespace
} // namespace Velkora
