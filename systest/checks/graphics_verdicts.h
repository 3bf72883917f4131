#pragma once
// The graphics side of the check run: run the diagnostics program, take the adapter inventory,
// and judge video memory, graphics card and driver, and differing adapters.
#include <cstdint>
#include <optional>
#include <string>

#include "card_list_file.h"
#include "check_result.h"
#include "diagnostics_launch.h"
#include "graphics_check_state.h"
#include "graphics_inventory.h"
#include "graphics_message_boxes.h"
#include "text_ids.h"

namespace Velkora {

inline constexpr wchar_t kDiagnosticsCommandLine[] = L"Zentoli.exe";
inline constexpr wchar_t kOlderWindowsCardListFileName[] = L"GraphicsCardGBList_62.txt";

struct WindowsVersionNumber {
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
};

class IWindowsVersionQuery {
  public:
    virtual ~IWindowsVersionQuery() = default;
    // The version GetVersionExW reports (so it depends on the program's manifest); nullopt on failure.
    virtual std::optional<WindowsVersionNumber> QueryWindowsVersion() = 0;
};

// Everything the graphics checks ask of the machine and the user.
struct GraphicsServices {
    IMessageBoxes& boxes;
    IProcessLauncher& launcher;
    IGraphicsFacts& facts;
    ICardListFiles& files;
    IWindowsVersionQuery& version;
    bool verbose = false; // "-verbosevideo"
};

class CGraphicsChecks {
  public:
    CGraphicsChecks(GraphicsCheckState& state, const GraphicsServices& services, const ITextSource& texts,
                    std::wstring productName);

    // Starts the diagnostics program so that it runs while other checks do; RunGraphicsDiagnostics
    // then waits for it. Nothing happens when it has been started already.
    void StartGraphicsDiagnostics();
    // Runs the diagnostics program (or waits for the one started early) and takes the adapter
    // inventory. False: the inventory failed and the three checks below are skipped.
    [[nodiscard]] bool RunGraphicsDiagnostics();
    void CheckVideoMemory(CheckResult& result) const;
    // True when the card row is the warning that the card list could not be used (missing,
    // unreadable, or without any entry line) where the list would have confirmed the card.
    bool CheckCardListVerdict(CheckResult& cardResult, CheckResult& driverResult) const;
    void CheckAdaptersIdentical(CheckResult& result) const;
    // On Windows before 6.2 with a diagnostics code of kOldDriver or more: take the list for older
    // Windows for the card verdicts from now on and run the diagnostics again. True when that second
    // run gave kNotSupported or kNotExamined. Nothing is done after a run that was stopped at its
    // time limit. The list is read where it lies: renaming it in the program's folder would change
    // the list of every machine that runs the program from the same share, and fails in a
    // read-only folder.
    [[nodiscard]] bool ReplaceCardListForOlderWindows();
    // The list the card verdict reads: the list for older Windows once it has replaced the other.
    const wchar_t* CardListInUse() const { return cardListInUse; }

  private:
    IMessageBoxes* VerboseBoxes() const { return services.verbose ? &services.boxes : nullptr; }

    GraphicsCheckState& state;
    GraphicsServices services;
    const ITextSource& texts;
    std::wstring productName;
    const wchar_t* cardListInUse = kCardListFileName;
};

} // namespace Velkora
