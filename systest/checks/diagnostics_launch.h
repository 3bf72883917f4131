#pragma once
// Starting a program and waiting for its exit code: the diagnostics program is run this way.
#include <cstdint>
#include <string>
#include <string_view>

namespace Velkora {

inline constexpr std::int32_t kLaunchFailed = -1;

// The launch's switches by name, so that a call reads (the parameters stay the plain flags).
inline constexpr bool kShowWindow = true;
inline constexpr bool kHideWindow = false;
inline constexpr bool kNewConsole = true;
inline constexpr bool kInheritConsole = false;
inline constexpr bool kWaitForExit = true;
inline constexpr bool kNoWait = false;

// How the last launch ended; the exit code alone cannot tell, since a program may end with -1.
enum class LaunchOutcome {
    kEnded,      // started (and, when waited for, ended by itself)
    kNotStarted, // could not be started
    kStopped,    // still running at the wait limit: ended, with everything it had started
};

class IProcessLauncher {
  public:
    virtual ~IProcessLauncher() = default;
    // The program is the first word of the command line, taken from our own folder only. Returns
    // its exit code when waiting, 0 when not, -1 when it could not be started (and says so in a box)
    // or had to be stopped at the wait limit.
    [[nodiscard]] virtual std::int32_t LaunchProcess(const std::wstring& commandLine, bool showWindow,
                                                     bool newConsole, bool wait) = 0;
    // The same launch in two halves, so that other work can run while the program does: the wait
    // limit counts from StartProcess, and FinishProcess gives what LaunchProcess would have given
    // when waiting, reporting a failed start only then, where a launch that waits at once would.
    virtual void StartProcess(const std::wstring& commandLine, bool showWindow, bool newConsole) = 0;
    [[nodiscard]] virtual std::int32_t FinishProcess() = 0;
    // A program that StartProcess started (or failed to start) and FinishProcess has not collected.
    virtual bool HasStartedProcess() const = 0;
    virtual LaunchOutcome LastOutcome() const = 0;
};

// The text and title of the box that reports a program that could not be started.
std::wstring LaunchFailureText(std::wstring_view commandLine, std::uint32_t errorCode);
inline constexpr wchar_t kLaunchFailureTitle[] = L"lsystem";

} // namespace Velkora
