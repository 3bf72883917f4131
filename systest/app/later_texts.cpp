#include "later_texts.h"

#include <iterator>

#include "help_text.h"

namespace Velkora {
namespace {

struct BuiltInText {
    TextId id;
    const wchar_t* text;
};

// As the English module has them; a host test compares the two.
constexpr BuiltInText kBuiltIn[] = {
    {kTextDiagnosticsStopped, L"The graphics test did not finish within %d seconds and was stopped."},
    {kTextDiagnosticsNotStarted,
     L"The graphics test (Zentoli.exe) could not be started; the graphics hardware was not checked."},
    {kTextDiagnosticsEndedAbnormally,
     L"The graphics test ended abnormally (exit code 0x%s); the graphics hardware was not checked."},
    {kTextAdapterNotIdentified,
     L"The graphics adapter could not be identified; its video memory, card and driver were not checked."},
    {kTextOSNotIdentified, L"The operating system could not be identified and was not checked."},
    {kTextCardNotCertifiedUnnamed, L"The graphics card is not certified; its name could not be determined."},
    {kTextResultListName, L"Check results"},
    {kTextMenuCopy, L"&Copy\tCtrl+C"},
    {kTextMenuSelectAll, L"Select &all\tCtrl+A"},
    {kTextStepOperatingSystem, L"Checking the operating system\u2026"},
    {kTextStepProcessor, L"Checking the processor\u2026"},
    {kTextStepMemory, L"Checking the memory\u2026"},
    {kTextStepDiskSpace, L"Checking the free disk space\u2026"},
    {kTextStepScreen, L"Checking the screen\u2026"},
    {kTextStepGraphics, L"Testing the graphics hardware\u2026"},
    {kTextProgressCancel, L"&Cancel"},
    {kTextProgressCaption, L"%s: Checking the Workstation"},
    {kTextVideoMemoryUnknown, L"The video memory of %s could not be determined and was not checked."},
    {kTextVideoMemoryUnknownUnnamed,
     L"The video memory of the graphics card could not be determined and was not checked."},
    {kTextCardListNotRead, L"The list of certified graphics cards could not be read; the graphics card was "
                           L"not checked against it."},
    {kTextGraphicsWithoutDesktop, L"The graphics hardware could not be checked without a user's desktop (the "
                                  L"check ran in a service session); run the check in the user's session."},
    {kTextCheckNameOperatingSystem, L"Operating system"},
    {kTextCheckNameProcessor, L"Processor"},
    {kTextCheckNameMemory, L"Memory"},
    {kTextCheckNameDiskSpace, L"Free disk space"},
    {kTextCheckNameScreen, L"Screen resolution"},
    {kTextCheckNameVideoMemory, L"Video memory"},
    {kTextCheckNameGraphicsCard, L"Graphics card"},
    {kTextCheckNameGraphicsDriver, L"Graphics driver"},
    {kTextCheckNameAdaptersIdentical, L"Identical graphics adapters"},
    {kTextCheckNameListReplaced, L"Card list replaced"},
    {kTextCheckNameClosingNote, L"Closing note"},
    {kTextCheckNameDiagnosticsTimeout, L"Graphics test time limit"},
    {kTextCheckNameDiagnosticsNotStarted, L"Graphics test not started"},
    {kTextCheckNameDiagnosticsEndedAbnormally, L"Graphics test ended abnormally"},
    {kTextCheckNameAdapterNotIdentified, L"Graphics adapter not identified"},
    {kTextCheckNameOperatingSystemNotIdentified, L"Operating system not identified"},
    {kTextCheckNameCardListNotRead, L"Card list not read"},
    {kTextCheckNameGraphicsWithoutDesktop, L"Graphics without a user's desktop"},
    {kTextSitePageTitle, L"%s: Site Overview"},
    {kTextSiteMachines, L"Results of %d machines, each with its latest run."},
    {kTextSiteReady, L"Ready"},
    {kTextSiteWarnings, L"Warnings"},
    {kTextSiteNotReady, L"Not ready"},
    {kTextSiteNotJudged, L"Could not be judged"},
    {kTextSiteChecksHeading, L"Checks that failed or warned"},
    {kTextSiteFailed, L"%d failed"},
    {kTextSiteWarned, L"%d warned"},
    {kTextSiteAttentionHeading, L"Machines that need attention"},
    {kTextSiteComputer, L"Computer"},
    {kTextSiteCheckedAt, L"Checked at"},
    {kTextSiteState, L"State"},
    {kTextSiteChecks, L"Checks"},
    {kTextSiteGraphicsHeading, L"Graphics cards and drivers"},
    {kTextSiteGraphicsCard, L"Graphics card"},
    {kTextSiteDriverVersion, L"Driver version"},
    {kTextSiteMachineCount, L"Machines"},
    {kTextSiteVerdict, L"Verdict"},
    {kTextSiteVersionsHeading, L"Checker versions"},
    {kTextSiteCheckerVersion, L"Checker version"},
    {kTextSiteUnreadMany, L"%d files could not be read:"},
    {kTextSiteUnreadOne, L"1 file could not be read:"},
    {kTextSiteNoResults, L"No result was found in the input."},
    {kTextSiteNoAttention, L"No machine needs attention."},
    {kTextSiteNoChecks, L"No check failed or warned."},
    {kTextSiteUnknown, L"unknown"},
    {kTextSiteNotMet, L"Not met"},
    {kTextSiteWarning, L"Warning"},
    {kTextSiteMet, L"Met"},
    {kTextSiteNoVerdict, L"Not judged"},
    {kTextSiteNotOpened, L"could not be opened"},
    {kTextSiteNotJson, L"not JSON, or cut short"},
    {kTextSiteNotOurs, L"not a result document of this checker"},
    {kTextSiteSchemaVersion, L"schema version %d cannot be read"},
    {kTextSiteIncomplete, L"no computer name or no valid time of the run"},
    {kTextSiteNotTable, L"neither a result document nor a results table of this checker"},
    {kTextSiteRowMalformed, L"a row that cannot be read"},
    {kTextSiteTooLarge, L"too large for a result of this checker"},
};

} // namespace

std::wstring BuiltInEnglishText(TextId id) {
    if (id == kTextHelp)
        return HelpText();
    for (const BuiltInText& entry : kBuiltIn)
        if (entry.id == id)
            return entry.text;
    return {};
}

std::wstring TextWithFallback(TextId id, const std::wstring& fromModule,
                              const std::function<std::wstring()>& fromEnglishModule) {
    if (!fromModule.empty() || !IsLaterText(id))
        return fromModule;
    std::wstring english = fromEnglishModule ? fromEnglishModule() : std::wstring();
    return english.empty() ? BuiltInEnglishText(id) : english;
}

} // namespace Velkora
