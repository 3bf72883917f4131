#pragma once
// Starts programs with CreateProcessW.
#include <cstdint>

#include "diagnostics_launch.h"
#include "graphics_message_boxes.h"

namespace Velkora {

class CProcessLauncher : public IProcessLauncher {
public:
    static constexpr std::uint32_t kNoTimeLimit = 0xFFFFFFFF; // INFINITE

    // A failed start is reported through boxes. With a wait limit (milliseconds), a program that
    // is still running then is ended together with every process it started (they share a job
    // object), gives -1 and the outcome kStopped.
    explicit CProcessLauncher(IMessageBoxes& boxes, std::uint32_t waitLimit = kNoTimeLimit)
        : boxes(boxes), waitLimit(waitLimit) {}

    std::int32_t LaunchProcess(const std::wstring& commandLine, bool showWindow, bool newConsole,
                               bool wait) override;
    LaunchOutcome LastOutcome() const override { return lastOutcome; }

private:
    IMessageBoxes& boxes;
    std::uint32_t waitLimit;
    LaunchOutcome lastOutcome = LaunchOutcome::kEnded;
};

} // namespace Velkora
