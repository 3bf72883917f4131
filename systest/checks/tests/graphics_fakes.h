#pragma once
// Stand-ins for the machine, so the graphics checks run on the host.
#include <map>
#include <string>
#include <vector>

#include "card_list_file.h"
#include "diagnostics_launch.h"
#include "graphics_inventory.h"
#include "graphics_message_boxes.h"
#include "graphics_verdicts.h"

namespace Velkora {

struct ShownBox {
    std::wstring text;
    std::wstring title;
    bool narrow = false;
    MessageBoxStyle style = MessageBoxStyle::kInformation;
    bool operator==(const ShownBox&) const = default;
};

class FakeMessageBoxes : public IMessageBoxes {
  public:
    void ShowWide(const std::wstring& text, const std::wstring& title, MessageBoxStyle style) override {
        shown.push_back({text, title, false, style});
    }
    void ShowNarrow(const std::string& text, const std::string& title) override {
        shown.push_back({std::wstring(text.begin(), text.end()), std::wstring(title.begin(), title.end()),
                         true, MessageBoxStyle::kInformation});
    }
    std::vector<ShownBox> shown;
};

class FakeLauncher : public IProcessLauncher {
  public:
    [[nodiscard]] std::int32_t LaunchProcess(const std::wstring& commandLine, bool showWindow,
                                             bool newConsole, bool wait) override {
        calls.push_back(commandLine);
        lastShowWindow = showWindow;
        lastNewConsole = newConsole;
        lastWait = wait;
        lastOutcome = exitCodes.empty() ? LaunchOutcome::kNotStarted : outcome;
        if (exitCodes.empty())
            return kLaunchFailed;
        std::int32_t code = exitCodes.front();
        if (exitCodes.size() > 1)
            exitCodes.erase(exitCodes.begin());
        return lastOutcome == LaunchOutcome::kStopped ? kLaunchFailed : code;
    }
    // Started early, the program "runs" until FinishProcess collects it: the same answers.
    void StartProcess(const std::wstring& commandLine, bool showWindow, bool newConsole) override {
        started = true;
        startedCommandLine = commandLine;
        startedShowWindow = showWindow;
        startedNewConsole = newConsole;
        ++startCalls;
    }
    [[nodiscard]] std::int32_t FinishProcess() override {
        started = false;
        return LaunchProcess(startedCommandLine, startedShowWindow, startedNewConsole, kWaitForExit);
    }
    bool HasStartedProcess() const override { return started; }
    LaunchOutcome LastOutcome() const override { return lastOutcome; }
    bool started = false;
    int startCalls = 0;
    std::wstring startedCommandLine;
    bool startedShowWindow = false, startedNewConsole = false;
    std::vector<std::int32_t> exitCodes;           // one per run; the last repeats
    LaunchOutcome outcome = LaunchOutcome::kEnded; // of every run that has an exit code
    LaunchOutcome lastOutcome = LaunchOutcome::kEnded;
    std::vector<std::wstring> calls;
    bool lastShowWindow = true, lastNewConsole = false, lastWait = false;
};

class FakeGraphicsFacts : public IGraphicsFacts {
  public:
    VideoControllerQuery QueryVideoControllers() override { return query; }
    std::vector<DisplayDeviceFacts> EnumerateDisplayDevices() override { return devices; }
    VideoControllerQuery query{true, {}};
    std::vector<DisplayDeviceFacts> devices;
};

class FakeCardListLines : public ICardListLines {
  public:
    explicit FakeCardListLines(std::vector<std::wstring> lines, bool failAtEnd = false)
        : lines(std::move(lines)), failAtEnd(failAtEnd) {}
    Read ReadLine(std::wstring& line) override {
        if (next == lines.size())
            return failAtEnd ? Read::kFailed : Read::kEnd;
        line = lines[next++];
        ++read;
        return Read::kLine;
    }
    std::vector<std::wstring> lines;
    bool failAtEnd;
    std::size_t next = 0;
    std::size_t read = 0;
};

class FakeCardListFiles : public ICardListFiles {
  public:
    std::unique_ptr<ICardListLines> Open(const std::wstring& name) override {
        opened.push_back(name);
        auto it = files.find(name);
        if (it == files.end())
            return nullptr;
        return std::make_unique<FakeCardListLines>(it->second, failRead);
    }
    bool Exists(const std::wstring& name) override { return files.count(name) != 0; }
    std::map<std::wstring, std::vector<std::wstring>> files;
    std::vector<std::wstring> opened;
    bool failRead = false; // the files fail to read at their end
};

class FakeWindowsVersion : public IWindowsVersionQuery {
  public:
    std::optional<WindowsVersionNumber> QueryWindowsVersion() override { return version; }
    std::optional<WindowsVersionNumber> version = WindowsVersionNumber{6, 1};
};

// A primary adapter that WMI and the desktop agree on.
inline VideoControllerFacts Controller(std::wstring pnp, std::wstring caption,
                                       std::wstring version = L"23.21.13.8813",
                                       std::uint32_t memory = 1u << 30,
                                       std::wstring date = L"20171110000000.000000-000") {
    return VideoControllerFacts{WmiValue::Text(std::move(pnp)), WmiValue::Text(std::move(version)),
                                WmiValue::Text(std::move(caption)), WmiValue::Number(memory),
                                WmiValue::Text(std::move(date))};
}

inline DisplayDeviceFacts Device(std::uint32_t flags, std::wstring id,
                                 std::wstring key = L"\\Registry\\Machine\\K") {
    DisplayDeviceFacts d;
    d.stateFlags = flags;
    d.deviceId = std::move(id);
    d.deviceKey = std::move(key);
    return d;
}

} // namespace Velkora
