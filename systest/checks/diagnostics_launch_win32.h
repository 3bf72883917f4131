#pragma once
// Starts programs with CreateProcessW.
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

#include "diagnostics_launch.h"
#include "graphics_message_boxes.h"
#include "scoped_handle_win32.h"

namespace Velkora {

class CProcessLauncher : public IProcessLauncher {
  public:
    static constexpr std::uint32_t kNoTimeLimit = 0xFFFFFFFF; // INFINITE

    // A failed start is reported through boxes. A program that is waited for runs in a job object
    // with everything it starts; with a wait limit (milliseconds), a program that is still
    // running then is ended together with all of them, gives -1 and the outcome kStopped.
    explicit CProcessLauncher(IMessageBoxes& boxes, std::uint32_t waitLimit = kNoTimeLimit)
        : boxes(boxes), waitLimit(waitLimit) {}
    CProcessLauncher(const CProcessLauncher&) = delete;
    CProcessLauncher& operator=(const CProcessLauncher&) = delete;

    [[nodiscard]] std::int32_t LaunchProcess(const std::wstring& commandLine, bool showWindow,
                                             bool newConsole, bool wait) override;
    void StartProcess(const std::wstring& commandLine, bool showWindow, bool newConsole) override;
    [[nodiscard]] std::int32_t FinishProcess() override;
    bool HasStartedProcess() const override;
    LaunchOutcome LastOutcome() const override { return lastOutcome; }

    // Ends the started program with everything it started, and starts nothing from then on (the
    // user cancelled the run). Safe to call from another thread while FinishProcess waits.
    void StopProcess();

  private:
    struct StartedProgram {
        bool pending = false;
        std::wstring commandLine;
        std::uint32_t startError = 0; // when it could not be started
        CHandle process;
        CHandle job;
        std::uint64_t startedAt = 0; // GetTickCount64
    };

    IMessageBoxes& boxes;
    std::uint32_t waitLimit;
    LaunchOutcome lastOutcome = LaunchOutcome::kEnded;
    mutable std::mutex mutex; // guards started against StopProcess
    StartedProgram started;
    std::atomic<bool> stopped{false};
};

} // namespace Velkora
