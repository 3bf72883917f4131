#include "site_summary_run_win32.h"

#include "language_selection_win32.h"
#include "output_files_win32.h"
#include "product_identity.h"
#include "result_json.h"
#include "summary_input_files_win32.h"
#include "summary_page.h"
#include "summary_table.h"
#include "trace_marks_win32.h"

namespace Velkora {

int RunSiteSummary(HINSTANCE instance, const CommandLineOptions& options) {
    CResourceModules modules(instance);
    LanguageSelection language;
    // Without any language module the page is still made, in the program's own English.
    const bool translated =
        SelectLanguage(modules, language, [](const std::wstring&, const std::wstring&) {});
    if (translated)
        modules.SetCurrent(modules.LanguageModule());
    CModuleTextSource texts(modules);

    CSiteSummary site;
    ReadSummaryInputs(options.summaryInputs, site);
    TraceMark(L"VelkoraSysTest: summary inputs read");
    const SummaryPageFrame frame{
        translated && !language.languageCode.empty() ? DocumentText(language.languageCode) : "en",
        DocumentText(SettleProductIdentity().name)};
    const std::string page = BuildSummaryPage(
        site.Figures(), [&](TextId id) { return DocumentText(texts.Text(id)); }, frame);
    bool written = WriteTextOutput(*options.htmlPath, page, L"summary page");
    if (options.csvPath)
        written = WriteTextOutput(*options.csvPath, BuildSummaryTable(site, UserListSeparator()),
                                  L"summary table") &&
                  written;
    return written ? 0 : kExitOutputNotWritten;
}

} // namespace Velkora
