#pragma once
// The graphics checks' services on this machine: real message boxes (unless others are given),
// CreateProcessW, WMI and the display devices, the list files in the current directory, and the
// Windows version as GetVersionExW reports it to this program.
#include <cstdint>
#include <optional>

#include "card_list_file_win32.h"
#include "diagnostics_launch_win32.h"
#include "graphics_inventory_win32.h"
#include "graphics_message_boxes_win32.h"
#include "graphics_verdicts.h"

namespace Velkora {

class CWindowsVersionQuery : public IWindowsVersionQuery {
  public:
    std::optional<WindowsVersionNumber> QueryWindowsVersion() override;
};

class CGraphicsPlatform {
  public:
    // boxes: nullptr for the real ones. waitLimit: how long the diagnostics program may run, and
    // how long the adapter query of WMI may take.
    // verbose: whether the checks show their intermediate values; without a value it follows
    // "-verbosevideo" anywhere on the command line.
    explicit CGraphicsPlatform(IMessageBoxes* boxes = nullptr,
                               std::uint32_t waitLimit = CProcessLauncher::kNoTimeLimit,
                               std::optional<bool> verbose = std::nullopt);
    CGraphicsPlatform(const CGraphicsPlatform&) = delete;
    CGraphicsPlatform& operator=(const CGraphicsPlatform&) = delete;

    GraphicsServices Services();
    // See CProcessLauncher::StopProcess.
    void StopDiagnostics() { launcher.StopProcess(); }
    // Starts the adapter query of WMI, which writes nothing, ahead of the run that needs it.
    void PrefetchFacts() { facts.Prefetch(); }

  private:
    CMessageBoxes realBoxes;
    IMessageBoxes& boxes;
    CProcessLauncher launcher;
    CBackgroundGraphicsFacts facts;
    CCardListFiles files;
    CWindowsVersionQuery version;
    std::optional<bool> verbose;
};

} // namespace Velkora
